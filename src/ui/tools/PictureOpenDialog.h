#pragma once
// The chooser of "Load image...": Qt's own file dialog with a preview of the picture under the cursor beside the
// file list, offering the pictures the page can load.

#include <QFileDialog>

class QLabel;

namespace tintorium {

class TPictureOpenDialog final : public QFileDialog {
  Q_OBJECT

 public:
  static constexpr int PreviewSide = 180;

  TPictureOpenDialog(QWidget* parent, const QString& caption, const QString& folder);

  /// The file chosen on OK, empty when none.
  QString ChosenFile() const;
  /// The preview: the picture `fileName` reduced to fit PreviewSide (less a 2-pixel frame), in as many pixels as the
  /// screen shows there, or nothing for a file that is no picture.
  void ShowPreview(const QString& fileName);
  QLabel* Preview() const { return preview_; }

 private:
  QLabel* preview_;
};

}  // namespace tintorium
