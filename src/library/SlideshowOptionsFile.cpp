#include "library/SlideshowOptionsFile.h"

#include <algorithm>
#include <array>
#include <span>

#include "library/OptionItems.h"
#include "platform/IniFile.h"
#include "platform/UserDialogs.h"

namespace {

const QString kOption = QStringLiteral("Option");
const QString kEffect = QStringLiteral("Effect");
const QString kLabel = QStringLiteral("Label");
const QString kColor = QStringLiteral("Color");
const QString kList = QStringLiteral("List");

using Items = std::span<const char* const>;

Items FilterItems() { return Items(kFilterNames.data(), kFilterCount); }
Items TransitionItems() { return Items(kTransitionNames.data(), kTransitionCount); }

int FindItem(Items items, const QString& text) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (text.compare(QString::fromUtf8(items[i]), Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  }
  return -1;
}

QString ItemText(Items items, int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) return QString();
  return QString::fromUtf8(items[index]);
}

// A selector stored by its item text: the default unless the text names an item.
int ReadComboText(const IniFile& ini, const QString& section, const QString& key, Items items, int def) {
  const int found = FindItem(items, ini.ReadString(section, key, QString()));
  return found >= 0 ? found : def;
}

// A selector stored by its index: an index outside the items selects nothing.
int ReadIndex(const IniFile& ini, const QString& section, const QString& key, std::size_t count, int def) {
  const int v = ini.ReadInteger(section, key, def);
  return v >= 0 && v < static_cast<int>(count) ? v : -1;
}

int ReadClamped(const IniFile& ini, const QString& section, const QString& key, int def, int lo, int hi) {
  return std::clamp(ini.ReadInteger(section, key, def), lo, hi);
}

template <std::size_t N>
void ReadCheckItems(const IniFile& ini, const QString& prefix, Items items, std::array<bool, N>& checks,
                    UserDialogs* dialogs) {
  checks.fill(true);
  for (std::size_t i = 0; i < N; ++i) {
    const QString value = ini.ReadString(kEffect, prefix + QString::number(i), QString());
    if (!value.isEmpty() && (value.front() == u'1' || value.front() == u'0')) {
      const int found = FindItem(items, value.mid(1));
      if (found >= 0) checks[found] = value.front() == u'1';
    }
    if (dialogs) dialogs->ProcessPendingMessages();
  }
}

template <std::size_t N>
void WriteCheckItems(IniFile& ini, const QString& prefix, Items items, const std::array<bool, N>& checks,
                     UserDialogs* dialogs) {
  for (std::size_t i = 0; i < N; ++i) {
    ini.WriteString(kEffect, prefix + QString::number(i),
                    (checks[i] ? QStringLiteral("1") : QStringLiteral("0")) + ItemText(items, static_cast<int>(i)));
    if (dialogs) dialogs->ProcessPendingMessages();
  }
}

struct ColourKey {
  const char* key;
  ColorRef DisplayColours::*member;
};

// The label colours in the order of the colour items of the options panel.
constexpr std::array<ColourKey, 18> kColourKeys = {{
    {"SlideNameFColor", &DisplayColours::SlideNameFColor},
    {"SlideNameColor", &DisplayColours::SlideNameColor},
    {"GNameFColor", &DisplayColours::GNameFColor},
    {"GNameColor", &DisplayColours::GNameColor},
    {"NumFColor", &DisplayColours::NumFColor},
    {"NumColor", &DisplayColours::NumColor},
    {"DateFColor", &DisplayColours::DateFColor},
    {"DateColor", &DisplayColours::DateColor},
    {"BGMNameFColor", &DisplayColours::BGMNameFColor},
    {"BGMNameColor", &DisplayColours::BGMNameColor},
    {"StateFColor", &DisplayColours::StateFColor},
    {"StateColor", &DisplayColours::StateColor},
    {"ClockFColor", &DisplayColours::ClockFColor},
    {"ClockColor", &DisplayColours::ClockColor},
    {"ExifFColor", &DisplayColours::ExifFColor},
    {"ExifColor", &DisplayColours::ExifColor},
    {"GuideFColor", &DisplayColours::GuideFColor},
    {"GuideColor", &DisplayColours::GuideColor},
}};

ColorRef ReadColour(const IniFile& ini, const QString& key, ColorRef def) {
  return static_cast<ColorRef>(ini.ReadInteger(kColor, key, static_cast<int>(def))) & 0x00FFFFFFu;
}

template <std::size_t N>
Items AsItems(const std::array<const char*, N>& a) {
  return Items(a.data(), N);
}

}  // namespace

void ReadSlideshowOptions(const IniFile& ini, SlideshowOptions& o, UserDialogs* dialogs) {
  const SlideshowOptions d;  // the read defaults

  o.Interval = ReadClamped(ini, kOption, QStringLiteral("Interval"), d.Interval, 1, 60);
  o.Unit = ReadIndex(ini, kOption, QStringLiteral("Unit"), kUnitItems.size(), d.Unit);
  o.UseLabel = ini.ReadBool(kOption, QStringLiteral("UseLabel"), d.UseLabel);
  o.cbDir = ReadComboText(ini, kOption, QStringLiteral("cbDir"), AsItems(kFolderOrderItems), d.cbDir);
  o.cbImg = ReadComboText(ini, kOption, QStringLiteral("cbImg"), AsItems(kImageOrderItems), d.cbImg);
  o.UseLimit = ini.ReadBool(kOption, QStringLiteral("UseLimit"), d.UseLimit);
  o.LimitNum = ReadClamped(ini, kOption, QStringLiteral("LimitNum"), d.LimitNum, 1, 100);
  o.cbBGM = ReadComboText(ini, kOption, QStringLiteral("cbBGM"), AsItems(kBgmOrderItems), d.cbBGM);
  o.UseBGM = ini.ReadBool(kOption, QStringLiteral("UseBGM"), d.UseBGM);
  o.ImgEffect = ReadComboText(ini, kOption, QStringLiteral("ImgEffect"), AsItems(kFilterNames), d.ImgEffect);
  o.SlideEffect =
      ReadComboText(ini, kOption, QStringLiteral("SlideEffect"), AsItems(kTransitionNames), d.SlideEffect);

  ReadCheckItems(ini, QStringLiteral("ImgCheck"), FilterItems(), o.ImgCheck, dialogs);
  ReadCheckItems(ini, QStringLiteral("SlideCheck"), TransitionItems(), o.SlideCheck, dialogs);
  o.TimingIdx = ReadIndex(ini, kEffect, QStringLiteral("TimingIdx"), kTimingItems.size(), d.TimingIdx);
  o.ChangeNum = ReadClamped(ini, kEffect, QStringLiteral("ChangeNum"), d.ChangeNum, 1, 100);
  o.IncreaseIdx = ReadComboText(ini, kEffect, QStringLiteral("IncreaseIdx"), FilterItems(), d.IncreaseIdx);
  ReadCheckItems(ini, QStringLiteral("IncreaseCheck"), FilterItems(), o.IncreaseCheck, dialogs);
  o.IncFrame = ReadComboText(ini, kEffect, QStringLiteral("IncFrame"), AsItems(kIncFrameItems), d.IncFrame);
  o.PhotoLongSize = ReadClamped(ini, kEffect, QStringLiteral("PhotoLongSize"), d.PhotoLongSize, 200, 500);
  o.IncRotate = ini.ReadBool(kEffect, QStringLiteral("IncRotate"), d.IncRotate);

  o.SlideName = ini.ReadBool(kLabel, QStringLiteral("SlideName"), d.SlideName);
  o.GName = ini.ReadBool(kLabel, QStringLiteral("GName"), d.GName);
  o.Num = ini.ReadBool(kLabel, QStringLiteral("Num"), d.Num);
  o.Date = ini.ReadBool(kLabel, QStringLiteral("Date"), d.Date);
  o.BGMName = ini.ReadBool(kLabel, QStringLiteral("BGMName"), d.BGMName);
  o.State = ini.ReadBool(kLabel, QStringLiteral("State"), d.State);
  o.Art = ini.ReadBool(kLabel, QStringLiteral("Art"), d.Art);
  o.ArtName = ini.ReadString(kLabel, QStringLiteral("ArtName"), d.ArtName);
  o.ArtSize = ReadIndex(ini, kLabel, QStringLiteral("ArtSize"), kArtSizeItems.size(), d.ArtSize);
  o.ArtEffect = ReadIndex(ini, kLabel, QStringLiteral("ArtEffect"), kArtEffectItems.size(), d.ArtEffect);
  o.Clock = ini.ReadBool(kLabel, QStringLiteral("Clock"), d.Clock);
  o.Exif = ini.ReadBool(kLabel, QStringLiteral("Exif"), d.Exif);
  o.Guide = ini.ReadBool(kLabel, QStringLiteral("Guide"), d.Guide);
  o.SelectGName = ReadIndex(ini, kLabel, QStringLiteral("SelectGName"), kSelectGNameItems.size(), d.SelectGName);
  o.GGroupPos = ReadIndex(ini, kLabel, QStringLiteral("GGroupPos"), kGGroupPosItems.size(), d.GGroupPos);
  o.TitleTag = ReadIndex(ini, kLabel, QStringLiteral("TitleTag"), kTitleTagItems.size(), d.TitleTag);

  o.BkColor = ReadColour(ini, QStringLiteral("BkColor"), d.BkColor);

  o.LastPlayName = ini.ReadString(kList, QStringLiteral("LastPlayName"), QString());
  o.LastPlayDir = ini.ReadString(kList, QStringLiteral("LastPlayDir"), QString());
  o.LastPlayBGM = ini.ReadString(kList, QStringLiteral("LastPlayBGM"), QString());
}

void WriteSlideshowOptions(IniFile& ini, const SlideshowOptions& o, UserDialogs* dialogs) {
  ini.WriteInteger(kOption, QStringLiteral("Interval"), o.Interval);
  ini.WriteInteger(kOption, QStringLiteral("Unit"), o.Unit);
  ini.WriteBool(kOption, QStringLiteral("UseLabel"), o.UseLabel);
  ini.WriteString(kOption, QStringLiteral("cbDir"), ItemText(AsItems(kFolderOrderItems), o.cbDir));
  ini.WriteString(kOption, QStringLiteral("cbImg"), ItemText(AsItems(kImageOrderItems), o.cbImg));
  ini.WriteBool(kOption, QStringLiteral("UseLimit"), o.UseLimit);
  ini.WriteInteger(kOption, QStringLiteral("LimitNum"), o.LimitNum);
  ini.WriteString(kOption, QStringLiteral("cbBGM"), ItemText(AsItems(kBgmOrderItems), o.cbBGM));
  ini.WriteBool(kOption, QStringLiteral("UseBGM"), o.UseBGM);
  ini.WriteString(kOption, QStringLiteral("ImgEffect"), ItemText(AsItems(kFilterNames), o.ImgEffect));
  ini.WriteString(kOption, QStringLiteral("SlideEffect"), ItemText(AsItems(kTransitionNames), o.SlideEffect));

  WriteCheckItems(ini, QStringLiteral("ImgCheck"), FilterItems(), o.ImgCheck, dialogs);
  WriteCheckItems(ini, QStringLiteral("SlideCheck"), TransitionItems(), o.SlideCheck, dialogs);
  ini.WriteInteger(kEffect, QStringLiteral("TimingIdx"), o.TimingIdx);
  ini.WriteInteger(kEffect, QStringLiteral("ChangeNum"), o.ChangeNum);
  ini.WriteString(kEffect, QStringLiteral("IncreaseIdx"), ItemText(FilterItems(), o.IncreaseIdx));
  WriteCheckItems(ini, QStringLiteral("IncreaseCheck"), FilterItems(), o.IncreaseCheck, dialogs);
  ini.WriteString(kEffect, QStringLiteral("IncFrame"), ItemText(AsItems(kIncFrameItems), o.IncFrame));
  ini.WriteInteger(kEffect, QStringLiteral("PhotoLongSize"), o.PhotoLongSize);
  ini.WriteBool(kEffect, QStringLiteral("IncRotate"), o.IncRotate);

  ini.WriteBool(kLabel, QStringLiteral("SlideName"), o.SlideName);
  ini.WriteBool(kLabel, QStringLiteral("GName"), o.GName);
  ini.WriteBool(kLabel, QStringLiteral("Num"), o.Num);
  ini.WriteBool(kLabel, QStringLiteral("Date"), o.Date);
  ini.WriteBool(kLabel, QStringLiteral("BGMName"), o.BGMName);
  ini.WriteBool(kLabel, QStringLiteral("State"), o.State);
  ini.WriteBool(kLabel, QStringLiteral("Art"), o.Art);
  ini.WriteString(kLabel, QStringLiteral("ArtName"), o.ArtName);
  ini.WriteInteger(kLabel, QStringLiteral("ArtSize"), o.ArtSize);
  ini.WriteInteger(kLabel, QStringLiteral("ArtEffect"), o.ArtEffect);
  ini.WriteBool(kLabel, QStringLiteral("Clock"), o.Clock);
  ini.WriteBool(kLabel, QStringLiteral("Exif"), o.Exif);
  ini.WriteBool(kLabel, QStringLiteral("Guide"), o.Guide);
  ini.WriteInteger(kLabel, QStringLiteral("SelectGName"), o.SelectGName);
  ini.WriteInteger(kLabel, QStringLiteral("GGroupPos"), o.GGroupPos);
  ini.WriteInteger(kLabel, QStringLiteral("TitleTag"), o.TitleTag);

  ini.WriteInteger(kColor, QStringLiteral("BkColor"), static_cast<int>(o.BkColor));
  for (const ColourKey& c : kColourKeys) {
    ini.WriteInteger(kColor, QString::fromLatin1(c.key), static_cast<int>(o.Colours.*c.member));
  }

  ini.WriteString(kList, QStringLiteral("LastPlayName"), o.LastPlayName);
  ini.WriteString(kList, QStringLiteral("LastPlayDir"), o.LastPlayDir);
  ini.WriteString(kList, QStringLiteral("LastPlayBGM"), o.LastPlayBGM);
}

void ReadDisplayColours(const IniFile& ini, DisplayColours& colours) {
  const DisplayColours defaults;
  for (const ColourKey& c : kColourKeys) {
    colours.*c.member = ReadColour(ini, QString::fromLatin1(c.key), defaults.*c.member);
  }
}

void ResetDisplayColours(SlideshowOptions& options) {
  const DisplayColours defaults;
  const DisplayColours kept = options.Colours;
  options.BkColor = 0;
  options.Colours = defaults;
  options.Colours.SlideNameFColor = kept.SlideNameFColor;
  options.Colours.SlideNameColor = kept.SlideNameColor;
}
