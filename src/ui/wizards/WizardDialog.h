#pragma once
// The frame both wizards share: a picture on the left, the pages ("nbWorkspace") on the right, the first page
// with the type list ("lstType") and its description, and below a line the buttons of the actions
// "actBack", "actNext" and "actCancel" (the action list "actsWizard").
//
// A wizard adds its further pages after the first and decides in LeaveForward whether Next may leave a page.
// Next reads "Next >>" (sbNext) and "Finish" (sbFinish) on the last page, where it ends the wizard with OK.

#include <QDialog>
#include <QStringList>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QVBoxLayout;
class QPushButton;
class QStackedWidget;

namespace tintorium {

class TCheckColorList;
class TWizardTypeList;

class TWizardDialog : public QDialog {
  Q_OBJECT
 public:
  /// The current page's index (0 is the type page).
  int CurrentPage() const;
  int PageCount() const;

  TWizardTypeList* TypeList() const { return lstType_; }
  /// The chosen row of the type list (0 when none).
  int TypeIndex() const;
  QAction* BackAction() const { return actBack_; }
  QAction* NextAction() const { return actNext_; }
  QAction* CancelAction() const { return actCancel_; }
  /// The push button bound to `action` (Back, Next, Cancel, Check all, Uncheck all).
  QPushButton* ButtonOf(QAction* action) const;

 protected:
  /// `picture` is shown on the left; `typeItems` fill the type list.
  TWizardDialog(const QPixmap& picture, const QStringList& typeItems, QWidget* parent);

  /// Appends a page (the dialog owns it); returns its index.
  int AddPage(QWidget* page);
  /// Next on page `page` (not the last): true to go on to the next page. The wizard does its work here.
  virtual bool LeaveForward(int page) = 0;
  /// The last page's Finish, before the wizard ends with OK.
  virtual void Finish() {}
  /// Called after page `page` was shown.
  virtual void PageShown(int /*page*/) {}
  /// A push button that follows `action`'s text and enabled state and triggers it.
  QPushButton* BoundButton(QAction* action, QWidget* parent);
  /// A new action of the action list, named `name` (its language key).
  QAction* AddWizardAction(const char* name, const QString& text);
  /// A label named `name` (its language key).
  static QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent);

  /// The page of ticked colours both wizards have: a heading and a count above the list, "Check all" and
  /// "Uncheck all" below it.
  struct TCheckListPage {
    QWidget* Page;
    QLabel* Count;
    TCheckColorList* List;
    QAction* SelectAll;
    QAction* UnselectAll;
  };
  /// The page where the source or target is named: a label above the path field and its "..." button; the
  /// caller adds its options to `Layout`.
  struct TPathPage {
    QWidget* Page;
    QLineEdit* Path;
    QToolButton* Browse;
    QVBoxLayout* Layout;
  };
  TPathPage CreatePathPage(const char* labelName, const QString& label);
  TCheckListPage CreateCheckListPage(const char* headingName, const QString& heading, const char* countName,
                                     const QString& count, const QString& listName);
  void ShowPage(int page);
  /// Applies the language section `section` and refreshes what depends on the texts (call once, at the end
  /// of the wizard's constructor).
  void ApplyTexts(const QString& section);

  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QWidget* CreateTypePage(const QStringList& typeItems);
  void Next();
  void Back();
  void UpdateButtons();
  void ShowDescription();

  QStackedWidget* nbWorkspace_;
  TWizardTypeList* lstType_ = nullptr;
  QGroupBox* gbDesc_ = nullptr;
  QLabel* lblDesc_ = nullptr;
  QAction* actBack_;
  QAction* actNext_;
  QAction* actCancel_;
  QList<std::pair<QAction*, QPushButton*>> buttons_;
};

}  // namespace tintorium
