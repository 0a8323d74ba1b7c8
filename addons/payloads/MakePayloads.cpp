// Build step: the payload files that the program carries, and the source that
// embeds them.
//
//   tarvix_make_payloads OUTPUT_DIR [PAYLOAD_DIR]
//
// The device's own modules and programs are not ours to ship, so by default
// every payload of the catalogue is made here as a stand-in of exactly its
// listed size, with content of its own (a pseudo-random stream seeded by type and
// id). With PAYLOAD_DIR the real files are embedded instead, one per payload,
// named TYPE-ID ("CODEPAGE-151", "BT-215"); each must have its listed size.
// Writes OUTPUT_DIR/EmbeddedPayloadData.cpp, only when its text changes.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "addons/PayloadCatalogue.h"

namespace {

namespace fs = std::filesystem;
using tarvix::addons::PayloadCatalogue;

struct Payload {
  std::string type;
  int id;
  std::size_t bytes;
  std::string Name() const { return type + "-" + std::to_string(id); }
};

std::vector<Payload> AllPayloads() {
  std::vector<Payload> payloads;
  std::set<int> seen;
  for (const auto& row : PayloadCatalogue::LanguageRows())
    if (seen.insert(row.resourceId).second)
      payloads.push_back({tarvix::addons::kCodepageType, row.resourceId, row.bytes});
  for (const auto& row : PayloadCatalogue::BitTorrentRows())
    payloads.push_back({tarvix::addons::kBitTorrentType, row.resourceId, row.bytes});
  return payloads;
}

// splitmix64: small, fast, and the same stream on every build machine.
std::uint64_t Next(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t Seed(const Payload& payload) {
  std::uint64_t hash = 0xCBF29CE484222325ull;  // FNV-1a of the name
  for (char c : payload.Name()) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  return hash;
}

std::string StandIn(const Payload& payload) {
  std::string bytes(payload.bytes, '\0');
  std::uint64_t state = Seed(payload);
  for (std::size_t i = 0; i < bytes.size(); i += 8) {
    const std::uint64_t word = Next(state);
    for (std::size_t k = 0; k < 8 && i + k < bytes.size(); ++k)
      bytes[i + k] = static_cast<char>(word >> (8 * k));
  }
  return bytes;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool WriteIfChanged(const fs::path& path, const std::string& text) {
  if (fs::exists(path) && ReadFile(path) == text) return true;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  return static_cast<bool>(out << text);
}

// FNV-1a of the contents, written beside each file so the source's text changes
// with any payload it embeds.
std::uint64_t Digest(const std::string& bytes) {
  std::uint64_t hash = 0xCBF29CE484222325ull;
  for (char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  return hash;
}

struct Embedded {
  Payload payload;
  fs::path file;
  std::uint64_t digest;
};

std::string EmbeddingSource(const std::vector<Embedded>& files) {
  std::ostringstream out;
  out << "// Made by tarvix_make_payloads; do not edit.\n"
         "#include \"addons/EmbeddedPayloads.h\"\n\n"
         "asm(R\"(\n\t.section .rodata.tarvix_payloads,\"a\"\n";
  for (std::size_t i = 0; i < files.size(); ++i) {
    out << "\t.balign 16\n\t# " << files[i].payload.Name() << " fnv1a " << std::hex
        << files[i].digest << std::dec << "\ntarvix_payload_" << i << ":\n\t.incbin \""
        << files[i].file.string() << "\"\ntarvix_payload_" << i << "_end:\n";
  }
  out << "\t.previous\n)\");\n\nextern \"C\" {\n";
  for (std::size_t i = 0; i < files.size(); ++i)
    out << "extern const unsigned char tarvix_payload_" << i << "[], tarvix_payload_" << i
        << "_end[];\n";
  out << "}\n\nnamespace tarvix::addons {\nnamespace {\n\nconst EmbeddedPayload kPayloads[] = {\n";
  for (std::size_t i = 0; i < files.size(); ++i)
    out << "    {\"" << files[i].payload.type << "\", " << files[i].payload.id
        << ", tarvix_payload_" << i << ", tarvix_payload_" << i << "_end},\n";
  out << "};\n\n}  // namespace\n\nstd::span<const EmbeddedPayload> EmbeddedPayloadTable() "
         "{ return kPayloads; }\n\n}  // namespace tarvix::addons\n";
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: tarvix_make_payloads OUTPUT_DIR [PAYLOAD_DIR]\n");
    return 2;
  }
  const fs::path output = fs::absolute(argv[1]);
  fs::create_directories(output);
  std::vector<Embedded> files;
  for (const Payload& payload : AllPayloads()) {
    std::string bytes;
    fs::path file;
    if (argc == 3) {
      file = fs::absolute(fs::path(argv[2]) / payload.Name());
      bytes = fs::is_regular_file(file) ? ReadFile(file) : std::string();
      if (bytes.size() != payload.bytes) {
        std::fprintf(stderr, "tarvix_make_payloads: %s must be a file of %zu bytes\n", file.c_str(),
                     payload.bytes);
        return 1;
      }
    } else {
      file = output / payload.Name();
      bytes = StandIn(payload);
      if (!WriteIfChanged(file, bytes)) {
        std::fprintf(stderr, "tarvix_make_payloads: cannot write %s\n", file.c_str());
        return 1;
      }
    }
    files.push_back({payload, file, Digest(bytes)});
  }
  if (!WriteIfChanged(output / "EmbeddedPayloadData.cpp", EmbeddingSource(files))) {
    std::fprintf(stderr, "tarvix_make_payloads: cannot write the embedding source\n");
    return 1;
  }
  return 0;
}
