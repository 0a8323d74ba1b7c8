#pragma once
#include <array>

// Every skin bitmap the program draws, by resource id, with the size of its artwork
// in pixels. The artwork generator (res/MakeSkin.cpp) draws exactly these, once at
// this size and once at twice it for high-density screens.
namespace tarvix::skin {

// Dialog backgrounds.
inline constexpr int kBgMainWindow = 267;
inline constexpr int kBgAbout = 268;
inline constexpr int kBgWidgetPrompt = 269;
inline constexpr int kBgDriveInUse = 270;
inline constexpr int kBgRestarting = 271;
inline constexpr int kBgLogin = 272;
inline constexpr int kBgLanguage = 273;  // language choice and loading progress
inline constexpr int kBgModelChoice = 274;

// Button faces in pairs: the normal face and its highlighted ("Lit") face.
inline constexpr int kFaceClose = 262;
inline constexpr int kFaceCloseLit = 378;
inline constexpr int kFaceMinimize = 263;
inline constexpr int kFaceMinimizeLit = 379;
inline constexpr int kFaceDownload = 280;
inline constexpr int kFaceDownloadLit = 281;
inline constexpr int kFaceNext = 282;
inline constexpr int kFaceNextLit = 283;
inline constexpr int kFaceSearch = 284;  // "Refresh"
inline constexpr int kFaceSearchLit = 285;
inline constexpr int kFaceWeb = 286;  // "Configuration"
inline constexpr int kFaceWebLit = 287;
inline constexpr int kFaceLanguage = 288;
inline constexpr int kFaceLanguageLit = 289;
inline constexpr int kFaceBitTorrent = 290;
inline constexpr int kFaceBitTorrentLit = 291;
inline constexpr int kFaceApply = 294;
inline constexpr int kFaceApplyLit = 295;
inline constexpr int kFaceConnect = 296;
inline constexpr int kFaceConnectLit = 297;
inline constexpr int kFaceDisconnect = 298;
inline constexpr int kFaceDisconnectLit = 299;
inline constexpr int kFaceAbout = 300;
inline constexpr int kFaceAboutLit = 301;
inline constexpr int kFaceExit = 302;
inline constexpr int kFaceExitLit = 303;
inline constexpr int kFaceCancel = 304;
inline constexpr int kFaceCancelLit = 305;
inline constexpr int kFaceOk = 306;
inline constexpr int kFaceOkLit = 307;

// List header.
inline constexpr int kHeaderBack = 374;
inline constexpr int kHeaderDivider = 240;

// Horizontal scroll bar; "Pale" parts stand in when the list cannot scroll.
inline constexpr int kHScrollRight = 231;
inline constexpr int kHScrollTrack = 232;
inline constexpr int kHScrollLeft = 233;
inline constexpr int kHScrollThumb = 243;
inline constexpr int kHScrollLeftPale = 380;
inline constexpr int kHScrollRightPale = 381;
inline constexpr int kHScrollTrackPale = 382;

// Vertical scroll bar.
inline constexpr int kVScrollUp = 234;
inline constexpr int kVScrollTrack = 235;
inline constexpr int kVScrollThumb = 236;
inline constexpr int kVScrollDown = 237;
inline constexpr int kVScrollUpPale = 383;
inline constexpr int kVScrollTrackPale = 384;
inline constexpr int kVScrollDownPale = 385;

struct SkinBitmapSize {
  int id;
  int width;
  int height;
};

inline constexpr std::array<SkinBitmapSize, 54> kSkinBitmaps{{
    {kBgMainWindow, 430, 574},   {kBgAbout, 366, 135},       {kBgWidgetPrompt, 515, 205},
    {kBgDriveInUse, 248, 119},   {kBgRestarting, 441, 169},  {kBgLogin, 308, 147},
    {kBgLanguage, 441, 178},     {kBgModelChoice, 225, 201}, {kFaceClose, 16, 16},
    {kFaceCloseLit, 16, 16},     {kFaceMinimize, 16, 16},    {kFaceMinimizeLit, 16, 16},
    {kFaceDownload, 93, 28},     {kFaceDownloadLit, 93, 28}, {kFaceNext, 93, 28},
    {kFaceNextLit, 93, 28},      {kFaceSearch, 100, 25},     {kFaceSearchLit, 100, 25},
    {kFaceWeb, 100, 25},         {kFaceWebLit, 100, 25},     {kFaceLanguage, 93, 30},
    {kFaceLanguageLit, 93, 30},  {kFaceBitTorrent, 93, 28},  {kFaceBitTorrentLit, 93, 28},
    {kFaceApply, 100, 25},       {kFaceApplyLit, 100, 25},   {kFaceConnect, 100, 25},
    {kFaceConnectLit, 100, 25},  {kFaceDisconnect, 100, 25}, {kFaceDisconnectLit, 100, 25},
    {kFaceAbout, 100, 25},       {kFaceAboutLit, 100, 25},   {kFaceExit, 100, 25},
    {kFaceExitLit, 100, 25},     {kFaceCancel, 93, 28},      {kFaceCancelLit, 93, 28},
    {kFaceOk, 100, 25},          {kFaceOkLit, 100, 25},      {kHeaderBack, 1, 17},
    {kHeaderDivider, 12, 17},    {kHScrollRight, 16, 14},    {kHScrollTrack, 2, 14},
    {kHScrollLeft, 16, 14},      {kHScrollThumb, 26, 14},    {kHScrollLeftPale, 16, 14},
    {kHScrollRightPale, 16, 14}, {kHScrollTrackPale, 1, 14}, {kVScrollUp, 14, 16},
    {kVScrollTrack, 14, 2},      {kVScrollThumb, 14, 26},    {kVScrollDown, 14, 16},
    {kVScrollUpPale, 14, 16},    {kVScrollTrackPale, 14, 1}, {kVScrollDownPale, 14, 16},
}};

// The catalogue entry of `id`; all zero for an id outside the catalogue.
constexpr SkinBitmapSize FindSkinBitmap(int id) {
  for (const SkinBitmapSize& entry : kSkinBitmaps) {
    if (entry.id == id) return entry;
  }
  return {0, 0, 0};
}

}  // namespace tarvix::skin
