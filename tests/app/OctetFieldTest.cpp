// An octet of the address field never shows or yields a number above 255, however
// it got there: typed key by key or set by program.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <array>
#include <cstdint>
#include <string>

#include "app/CIpAddressCtrl.h"

namespace {

struct OctetCase {
  const char* entered;
  const char* shown;
};

std::string Shown(const CIpAddressCtrl& field, int index) {
  return field.Field(index)->text().toStdString();
}

// What octet `index` shows after `text` was typed into it.
std::string Typed(CIpAddressCtrl& field, int index, const char* text) {
  QTest::keyClicks(field.Field(index), QString::fromLatin1(text));
  return Shown(field, index);
}

int OctetRead(const CIpAddressCtrl& field, int index) {
  std::array<std::uint8_t, 4> octets{};
  field.GetAddress(octets);
  return octets[static_cast<size_t>(index)];
}

constexpr OctetCase kCases[] = {
    {"300", "255"}, {"999", "255"}, {"256", "255"}, {"255", "255"},
    {"254", "254"}, {"0", "0"},     {"007", "7"},   {"10", "10"},
};

TEST(OctetField, TypedNumbersAbove255Show255AndRead255) {
  for (const OctetCase& c : kCases) {
    for (int index = 0; index < CIpAddressCtrl::kFieldCount; ++index) {
      CIpAddressCtrl field;
      EXPECT_EQ(Typed(field, index, c.entered), c.shown) << c.entered << " in octet " << index;
      EXPECT_EQ(OctetRead(field, index), std::stoi(c.shown)) << c.entered << " in octet " << index;
    }
  }
}

TEST(OctetField, NumbersSetByProgramAbove255Show255AndRead255) {
  for (const OctetCase& c : kCases) {
    CIpAddressCtrl field;
    field.Field(1)->setText(QString::fromLatin1(c.entered));
    EXPECT_EQ(Shown(field, 1), c.shown) << c.entered;
    EXPECT_EQ(OctetRead(field, 1), std::stoi(c.shown)) << c.entered;
  }
}

TEST(OctetField, LongerNumbersAndOtherCharactersNeverGetIn) {
  CIpAddressCtrl field;
  // A fourth digit does not fit; the first three already make 255.
  EXPECT_EQ(Typed(field, 0, "3000"), "255");
  EXPECT_EQ(Typed(field, 1, "1a-2 "), "12");
  field.Field(2)->setText("65536");
  EXPECT_EQ(Shown(field, 2), "255");
  field.Field(3)->setText("x7");
  EXPECT_EQ(Shown(field, 3), "");
  std::array<std::uint8_t, 4> octets{};
  EXPECT_EQ(field.GetAddress(octets), 3);
  EXPECT_EQ(octets, (std::array<std::uint8_t, 4>{255, 12, 255, 0}));
}

TEST(OctetField, AClampedOctetStillMovesOnToTheNextOne) {
  CIpAddressCtrl field;
  field.show();
  field.activateWindow();
  field.SetFieldFocus(0);
  QTest::keyClicks(field.Field(0), "300");
  EXPECT_EQ(field.focusWidget(), field.Field(1));
}

}  // namespace
