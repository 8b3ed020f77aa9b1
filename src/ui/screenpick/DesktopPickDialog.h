#pragma once
// The magnifier ("Desktop Color Picker", language section DesktopPickDialog): a small tool window, always on
// top, with the enlarged view "imgScr" (183 × 183) above the values panel "imgInfo" (183 × 78).

#include <QImage>
#include <QWidget>

namespace tintorium {

class TDesktopPickDialog final : public QWidget {
  Q_OBJECT

 public:
  explicit TDesktopPickDialog(QWidget* parent = nullptr);

  /// Shows `view` in imgScr and `info` in imgInfo.
  void ShowImages(const QImage& view, const QImage& info);
  /// What imgScr and imgInfo show now (null before the first ShowImages).
  QImage View() const;
  QImage Info() const;

 signals:
  void KeyPressed(int key, const QString& text);
  void WheelTurned(int delta);
  /// The window's close button.
  void CloseRequested();
  /// The pointer came over the window, which then hides what is to be picked.
  void PointerEntered();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  class TImageBox;
  TImageBox* imgScr_;
  TImageBox* imgInfo_;
};

}  // namespace tintorium
