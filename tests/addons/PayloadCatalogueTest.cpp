#include "addons/PayloadCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "addons/EmbeddedPayloads.h"

namespace tarvix::addons {
namespace {

TEST(PayloadCatalogue, EveryPayloadIsCarriedAtItsSizeWithContentOfItsOwn) {
  std::set<std::vector<std::uint8_t>> contents;
  std::size_t payloads = 0;
  const auto check = [&](const char* type, int id, std::size_t bytes) {
    const auto data = FindPayload(type, static_cast<unsigned>(id));
    ASSERT_TRUE(data) << type << " " << id;
    EXPECT_EQ(data->size(), bytes) << type << " " << id;
    contents.insert(std::vector<std::uint8_t>(data->begin(), data->end()));
    ++payloads;
  };
  for (const LanguagePayload& row : PayloadCatalogue::LanguageRows())
    check(kCodepageType, row.resourceId, row.bytes);
  for (const BitTorrentPayload& row : PayloadCatalogue::BitTorrentRows())
    check(kBitTorrentType, row.resourceId, row.bytes);
  EXPECT_EQ(payloads, 43u);
  EXPECT_EQ(contents.size(), payloads);
  EXPECT_EQ(EmbeddedPayloadTable().size(), payloads);
}

TEST(PayloadCatalogue, TypesIgnoreLetterCaseAndIdsTheirHighBits) {
  const auto stored = FindPayload("CODEPAGE", 151);
  ASSERT_TRUE(stored);
  for (const char* type : {"Codepage", "codepage", "CoDePaGe"}) {
    const auto found = FindPayload(type, 151);
    ASSERT_TRUE(found) << type;
    EXPECT_EQ(found->data(), stored->data()) << type;
  }
  EXPECT_EQ(FindPayload("Codepage", 151 + 0x10000)->data(), stored->data());
  EXPECT_EQ(FindPayload("bt", 215)->size(), 6940408u);
  EXPECT_FALSE(FindPayload("BT", 151));
  EXPECT_FALSE(FindPayload("CODEPAGE", 222));  // carried by no flow
  EXPECT_FALSE(FindPayload("CODEPAGES", 151));
}

TEST(PayloadCatalogue, FileCountsPerCodepageAndGeneration) {
  const std::map<int, std::pair<std::size_t, std::size_t>> counts = {
      {950, {4, 4}}, {936, {4, 4}}, {850, {3, 4}}, {932, {5, 6}}, {949, {4, 4}},
      {866, {5, 7}}, {865, {0, 0}}, {852, {0, 0}}, {857, {0, 0}}};
  for (const auto& [codepage, expected] : counts) {
    EXPECT_EQ(PayloadCatalogue::RowsFor(codepage, kGeneration1).size(), expected.first) << codepage;
    EXPECT_EQ(PayloadCatalogue::RowsFor(codepage, kGeneration2).size(), expected.second)
        << codepage;
  }
}

TEST(PayloadCatalogue, CyrillicForTheSecondGenerationInWritingOrder) {
  std::vector<std::string> files;
  for (const LanguagePayload& row : PayloadCatalogue::RowsFor(866, kGeneration2))
    files.push_back(row.file);
  EXPECT_EQ(files, (std::vector<std::string>{"codepage.866", "nls_cp866.ko", "nls_koi8-r.ko",
                                             "nls_cp866_12.ko", "nls_koi8-r_12.ko",
                                             "unicode_map.866", "unicode_map.KOI8-R"}));
}

}  // namespace
}  // namespace tarvix::addons
