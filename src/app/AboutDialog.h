#pragma once
// The About box ("About..."): a borderless white picture with the web address, the legal notice and the build.

#include <QDialog>

class QLabel;

namespace tintorium {

class TAboutDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutDialog(QWidget* parent = nullptr);

  /// "Build: " followed by the four-part version (missing parts read 0).
  static QString BuildText(const QString& version);

  QLabel* LinkLabel() const { return lblLink_; }
  QLabel* NoticeLabel() const { return Label1_; }
  QLabel* VersionLabel() const { return lblVer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QLabel* lblLink_;
  QLabel* Label1_;
  QLabel* lblVer_;
};

}  // namespace tintorium
