#include "app/ThemeLook.h"

#include <QLinearGradient>

#include <cstring>

namespace tintorium {

QBrush TThemeFill::BrushFor(const QRectF& rect) const {
  if (!to.isValid()) return QBrush(from);
  QLinearGradient gradient(rect.topLeft(), across ? rect.topRight() : rect.bottomLeft());
  gradient.setColorAt(0, from);
  if (middle.isValid()) gradient.setColorAt(middleAt, middle);
  gradient.setColorAt(1, to);
  return QBrush(gradient);
}

namespace {

TThemeFill Flat(const char* colour) { return {QColor(colour), {}, {}, false}; }
TThemeFill Down(const char* top, const char* bottom) { return {QColor(top), QColor(bottom), {}, false}; }
TThemeFill Across(const char* left, const char* right) { return {QColor(left), QColor(right), {}, true}; }
TThemeFace Face(TThemeFill fill, const char* line = nullptr, const char* text = nullptr, int lineWidth = 1) {
  return {fill, line ? QColor(line) : QColor(), text ? QColor(text) : QColor(), lineWidth};
}

// Soft grey surfaces, gently shaded bars, rounded controls and a blue accent.
TThemeLook MacLook() {
  TThemeLook k;
  k.menuBar = Down("#f7f7f7", "#e4e4e4");
  k.menuBarLine = QColor("#c8c8c8");
  k.menuBarItemHot = Face(Flat("#2568d4"), nullptr, "#ffffff");
  k.menuBarItemRadius = 4;
  k.menuBack = QColor("#f9f9f9");
  k.menuLine = QColor("#bdbdbd");
  k.menuItemHot = Face(Flat("#2568d4"), nullptr, "#ffffff");
  k.menuItemRadius = 4;
  k.menuItemInset = 4;
  k.menuSeparator = QColor("#dcdcdc");
  k.toolBar = Down("#eeeeee", "#d6d6d6");
  k.toolBarLine = QColor("#b9b9b9");
  k.toolBarSeparator = QColor("#bcbcbc");
  k.toolButtonHot = Face(Flat("#f7f7f7"), "#b4b4b4");
  k.toolButtonDown = Face(Flat("#cfcfcf"), "#a6a6a6");
  k.toolButtonRadius = 5;
  k.button = Face(Down("#ffffff", "#f0f0f0"), "#b5b5b5");
  k.buttonHot = Face({}, "#8fb5f5");
  k.buttonDown = Face(Flat("#dadada"));
  k.buttonDefault = Face(Down("#2b6cd8", "#2a66cc"), "#2a6fdc", "#ffffff");
  k.buttonOff = Face(Flat("#f2f2f2"), nullptr, "#a8a8a8");
  k.buttonRadius = 6;
  k.dockTitle = Face(Down("#f4f4f4", "#dcdcdc"), "#bdbdbd");
  k.dockTitleCentred = true;
  k.tab = Face(Down("#fbfbfb", "#e9e9e9"), "#b9b9b9");
  k.tabSelected = Face(Down("#2b6cd8", "#2a66cc"), "#2a6fdc", "#ffffff");
  k.tabRadius = 6;
  k.tabsSegmented = true;
  k.pane = Face(Flat("#f3f3f3"), "#c4c4c4");
  k.paneRadius = 6;
  k.groupBox = Face(Flat("#f1f1f1"), "#c9c9c9");
  k.groupBoxRadius = 6;
  k.statusBar = Down("#e8e8e8", "#d2d2d2");
  k.statusBarLine = QColor("#b9b9b9");
  return k;
}

// Flat, light bars with a grey icon band in the menus; hovered items framed in dark blue on pale blue.
TThemeLook OfficeXPLook() {
  TThemeLook k;
  k.menuBar = Flat("#f1efe9");
  k.menuBarLine = QColor("#d6d3ca");
  k.menuBarItemHot = Face(Flat("#c1d2ee"), "#316ac5", "#000000");
  k.menuBarItemOpen = Face(Flat("#fcfcf9"), "#8a867a", "#000000");
  k.menuBack = QColor("#fcfcf9");
  k.menuLine = QColor("#8a867a");
  k.menuBand = QColor("#e9e6dd");
  k.menuItemHot = Face(Flat("#c1d2ee"), "#316ac5", "#000000");
  k.menuItemInset = 1;
  k.menuSeparator = QColor("#c5c2b8");
  k.toolBar = Down("#fbfaf7", "#e7e4da");
  k.toolBarLine = QColor("#d0ccc0");
  k.toolBarSeparator = QColor("#c5c2b8");
  k.toolBarGrip = QColor("#a8a496");
  k.toolButtonHot = Face(Flat("#c1d2ee"), "#316ac5");
  k.toolButtonDown = Face(Flat("#98b5e2"), "#316ac5");
  k.button = Face(Flat("#fdfdfb"), "#8a867a");
  k.buttonHot = Face(Flat("#c1d2ee"), "#316ac5");
  k.buttonDown = Face(Flat("#98b5e2"), "#316ac5");
  k.buttonDefault = Face({}, "#316ac5", nullptr, 2);
  k.buttonOff = Face({}, "#c5c2b8", "#a7a59f");
  k.dockTitle = Face(Flat("#d9d5ca"), "#c5c2b8");
  k.tab = Face(Flat("#e9e6dd"), "#c5c2b8", "#4d4a42");
  k.tabSelected = Face(Flat("#fcfcf9"), "#8a867a", "#000000");
  k.tabHot = Face(Flat("#c1d2ee"), "#c5c2b8", "#000000");
  k.tabGap = 1;
  k.pane = Face(Flat("#fcfcf9"), "#8a867a");
  k.groupBox = Face({}, "#c5c2b8", "#1f4e9c");
  k.statusBar = Flat("#f1efe9");
  k.statusBarLine = QColor("#d6d3ca");
  return k;
}

// A dark night-sky look: deep indigo surfaces, violet accent, softly glowing selection.
TThemeLook DreamLook() {
  TThemeLook k;
  k.menuBar = Across("#241f3b", "#2c2147");
  k.menuBarLine = QColor("#3b3358");
  k.menuBarItemHot = Face(Flat("#7352e6"), nullptr, "#ffffff");
  k.menuBarItemRadius = 4;
  k.menuBack = QColor("#241f38");
  k.menuLine = QColor("#4a4070");
  k.menuItemHot = Face(Across("#7352e6", "#9c51ce"), nullptr, "#ffffff");
  k.menuItemRadius = 4;
  k.menuItemInset = 4;
  k.menuSeparator = QColor("#3d355e");
  k.toolBar = Down("#2b2545", "#221d37");
  k.toolBarLine = QColor("#3b3358");
  k.toolBarSeparator = QColor("#463d6a");
  k.toolButtonHot = Face(Flat("#3a3160"), "#5b4d92");
  k.toolButtonDown = Face(Flat("#4d3f86"), "#7c5cf0");
  k.toolButtonRadius = 5;
  k.button = Face(Down("#3a3360", "#2e284d"), "#54497f", "#eeeaff");
  k.buttonHot = Face({}, "#9a7ff5");
  k.buttonDown = Face(Flat("#251f3f"));
  k.buttonDefault = Face(Down("#7a5bed", "#6d4fe0"), "#a48bf7", "#ffffff");
  k.buttonOff = Face({}, "#3b3358", "#6d6590");
  k.buttonRadius = 6;
  k.dockTitle = Face(Across("#2f2850", "#3a2a5a"), "#4a4070", "#e4defa");
  k.dockButton = Face(Flat("#d9d1f7"), "#7c5cf0", "#1d1a2e");
  k.dockButtonHot = Face(Flat("#ffffff"), "#7c5cf0", "#1d1a2e");
  k.tab = Face(Flat("#262140"), "#3d355e", "#b8b0d8");
  k.tabSelected = Face(Flat("#332b55"), "#7c5cf0", "#ffffff");
  k.tabHot = Face(Flat("#2f2950"), "#3d355e", "#e4defa");
  k.tabAccent = QColor("#b05ce8");
  k.tabRadius = 6;
  k.tabGap = 2;
  k.pane = Face(Flat("#221d36"), "#3d355e");
  k.groupBox = Face({}, "#41386a", "#c9b8ff");
  k.groupBoxRadius = 6;
  k.statusBar = Flat("#1a1729");
  k.statusBarLine = QColor("#3b3358");
  k.statusBarText = QColor("#b8b0d8");
  return k;
}

// Blue gradient bars with rounded toolbar ends; hovered items glow warm orange.
TThemeLook OfficeKLook() {
  TThemeLook k;
  const TThemeFill glow = Down("#fff4cc", "#ffd091");
  k.menuBar = Across("#9ebef5", "#c4dafa");
  k.menuBarLine = QColor("#6f9ddf");
  k.menuBarItemHot = Face(glow, "#000080", "#000000");
  k.menuBarItemOpen = Face(Down("#e3efff", "#9ebef5"), "#002d96", "#000000");
  k.menuBack = QColor("#f6f6f6");
  k.menuLine = QColor("#002d96");
  k.menuItemHot = Face(Flat("#ffeec2"), "#000080", "#000000");
  k.menuItemInset = 1;
  k.menuSeparator = QColor("#6a8ccb");
  k.toolBar = {QColor("#e3efff"), QColor("#8db2e3"), QColor("#c4dafa"), false};
  k.toolBarLine = QColor("#6f9ddf");
  k.toolBarBoxed = true;
  k.toolBarSeparator = QColor("#6a8ccb");
  k.toolBarGrip = QColor("#27418f");
  k.toolButtonHot = Face(glow, "#000080");
  k.toolButtonDown = Face(Down("#fe8e4b", "#ffd38e"), "#000080");
  k.button = Face(Down("#ffffff", "#d8e6fa"), "#6f9ddf");
  k.buttonHot = Face(glow, "#000080");
  k.buttonDown = Face(Flat("#fe9e5b"), "#000080");
  k.buttonDefault = Face({}, "#002d96", nullptr, 2);
  k.buttonOff = Face({}, "#a9c1e6", "#8d8d8d");
  k.buttonRadius = 3;
  k.dockTitle = Face(Down("#3d6dc8", "#24519f"), nullptr, "#ffffff");
  k.dockButton = Face(Flat("#f3f8ff"), "#000080", "#0b1f44");
  k.dockButtonHot = Face(Flat("#ffd091"), "#000080", "#0b1f44");
  k.tab = Face(Down("#f3f8ff", "#c4dafa"), "#6f9ddf", "#0b2c6e");
  k.tabSelected = Face(Flat("#ffffff"), "#6f9ddf", "#0b2c6e");
  k.tabHot = Face(glow, "#6f9ddf", "#0b2c6e");
  k.tabAccent = QColor("#f7a23a");
  k.tabRadius = 3;
  k.tabGap = 1;
  k.pane = Face(Flat("#f5f9ff"), "#6f9ddf");
  k.groupBox = Face(Flat("#eef4fd"), "#8db2e3", "#15428b");
  k.groupBoxRadius = 3;
  k.statusBar = Down("#c4dafa", "#8db2e3");
  k.statusBarLine = QColor("#6f9ddf");
  k.statusBarText = QColor("#0b2c6e");
  return k;
}

}  // namespace

const TThemeLook* FindThemeLook(const char* name) {
  static const TThemeLook mac = MacLook();
  static const TThemeLook officeXP = OfficeXPLook();
  static const TThemeLook dream = DreamLook();
  static const TThemeLook officeK = OfficeKLook();
  if (std::strcmp(name, "Mac Style") == 0) return &mac;
  if (std::strcmp(name, "OfficeXP") == 0) return &officeXP;
  if (std::strcmp(name, "Dream") == 0) return &dream;
  if (std::strcmp(name, "OfficeK") == 0) return &officeK;
  return nullptr;
}

}  // namespace tintorium
