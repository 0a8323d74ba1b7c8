#include "platform/linux/LibSmbAuthenticator.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include <libsmbclient.h>

// Every new libsmbclient context re-opens the library's log and keeps the
// old log name (a talloc string that the library never frees). The leak
// checker of sanitized builds would fail every program that authenticates,
// so it is told about this one. Talloc frames carry no frame pointers, so the
// fast unwinder often stops at the talloc library itself; only Samba's
// libraries use talloc here. Weak, so a program may bring its own list.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
  return "leak:debug_set_logfile\nleak:libtalloc.so\n";
}

// Those suppressions are expected, so their summary at exit is left out: it would
// mix with what a program says on standard error.
extern "C" __attribute__((weak)) const char* __lsan_default_options() {
  return "print_suppressions=0";
}

namespace tarvix::platform {
namespace {

// What the library's authentication callback hands out for one attempt.
struct CallbackData {
  const SmbCredentials* credentials;
};

void CopyField(char* target, int size, const std::string& value) {
  if (size <= 0) return;
  const auto length = std::min(value.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(target, value.data(), length);
  target[length] = '\0';
}

void SupplyCredentials(SMBCCTX* context, const char* /*server*/, const char* /*share*/,
                       char* workgroup, int workgroupSize, char* user, int userSize, char* password,
                       int passwordSize) {
  const auto* data = static_cast<CallbackData*>(smbc_getOptionUserData(context));
  const SmbCredentials& credentials = *data->credentials;
  if (!credentials.account.workgroup.empty()) {
    CopyField(workgroup, workgroupSize, credentials.account.workgroup);
  }
  CopyField(user, userSize, credentials.account.user);
  CopyField(password, passwordSize, credentials.password.value_or(""));
}

struct ContextDeleter {
  void operator()(SMBCCTX* context) const { smbc_free_context(context, 1); }
};
using Context = std::unique_ptr<SMBCCTX, ContextDeleter>;

Context MakeContext(const LibSmbAuthenticator::Options& options, CallbackData& data) {
  Context context(smbc_new_context());
  if (!context) return nullptr;
  smbc_setDebug(context.get(), 0);
  smbc_setTimeout(context.get(), options.timeoutMs);
  if (options.port != 0) smbc_setPort(context.get(), options.port);
  smbc_setFunctionAuthDataWithContext(context.get(), SupplyCredentials);
  smbc_setOptionUserData(context.get(), &data);
  // A named account must not quietly turn into a guest session.
  const bool named = !data.credentials->account.user.empty();
  smbc_setOptionNoAutoAnonymousLogin(context.get(), named);
  // No password given: let a Kerberos ticket of the user stand for it.
  smbc_setOptionUseCCache(context.get(), !data.credentials->password.has_value());
  if (smbc_init_context(context.get()) == nullptr) return nullptr;
  return context;
}

SmbAuthResult FromErrno(int error) {
  switch (error) {
    case EACCES:
    case EPERM: return SmbAuthResult::Refused;
    case ENOENT:
    case ENODEV:
    case ENOTDIR: return SmbAuthResult::NoSuchShare;
    case ECONNREFUSED:
    case EHOSTUNREACH:
    case ENETUNREACH:
    case ETIMEDOUT: return SmbAuthResult::Unreachable;
    default: return SmbAuthResult::Failed;
  }
}

}  // namespace

SmbAuthResult LibSmbAuthenticator::Authenticate(const UncPath& share,
                                                const SmbCredentials& credentials) {
  CallbackData data{&credentials};
  const Context context = MakeContext(options_, data);
  if (!context) return SmbAuthResult::Failed;
  const UncPath root{share.server, share.share, {}};
  errno = 0;
  SMBCFILE* dir =
      smbc_getFunctionOpendir(context.get())(context.get(), root.ToSmbUrl(options_.port).c_str());
  if (dir == nullptr) return FromErrno(errno);
  smbc_getFunctionClosedir(context.get())(context.get(), dir);
  return SmbAuthResult::Accepted;
}

}  // namespace tarvix::platform
