// The import wizard through its widgets: type, path or address, options, the check list, and what reaches the
// palette.
#include "ui/wizards/ImportWizard.h"

#include "engine/language/Messages.h"
#include "engine/palette/PaletteDocument.h"
#include "support/ScriptedDialogs.h"
#include "ui/wizards/CheckColorList.h"
#include "ui/wizards/Wizards.h"
#include "WizardTestSupport.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <QUndoStack>

#include <atomic>

namespace tintorium {
namespace {

using test::Click;

// Answers every connection with a page of `body`, sent as `mediaType`, whatever was asked.
class TTypedServer {
 public:
  TTypedServer(QByteArray body, QByteArray mediaType) {
    thread_.reset(QThread::create([this, body, mediaType] {
      QTcpServer server;
      server.listen(QHostAddress::LocalHost, 0);
      port_ = server.serverPort();
      while (!stop_) {
        if (!server.waitForNewConnection(50)) continue;
        std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
        QByteArray request;
        while (!request.contains("\r\n\r\n") && socket->waitForReadyRead(2000)) request += socket->readAll();
        requests_ += 1;
        socket->write("HTTP/1.0 200 OK\r\nContent-Type: " + mediaType + "\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->waitForBytesWritten(2000);
        socket->disconnectFromHost();
        if (socket->state() != QAbstractSocket::UnconnectedState) socket->waitForDisconnected(2000);
      }
    }));
    thread_->start();
    while (port_ == 0) QThread::msleep(5);
  }
  ~TTypedServer() {
    stop_ = true;
    thread_->wait();
  }
  quint16 Port() const { return port_; }
  int Requests() const { return requests_; }

 private:
  std::unique_ptr<QThread> thread_;
  std::atomic<quint16> port_{0};
  std::atomic<int> requests_{0};
  std::atomic<bool> stop_{false};
};

class ImportWizardTest : public ::testing::Test {
 protected:
  QStringList Captions(const TImportForm& wizard) const {
    QStringList captions;
    for (int row = 0; row < wizard.ColorList()->topLevelItemCount(); ++row)
      captions << wizard.ColorList()->topLevelItem(row)->text(0);
    return captions;
  }
  QTemporaryDir dir_;
  test::TScriptedDialogs dialogs_;
};

TEST_F(ImportWizardTest, TheTypeListIsTheEngineTable) {
  TImportForm wizard;
  ASSERT_EQ(wizard.TypeList()->count(), int(ImportTypes().size()));
  for (int row = 0; row < wizard.TypeList()->count(); ++row)
    EXPECT_EQ(wizard.TypeList()->item(row)->text(), QString::fromUtf8(ImportTypes()[std::size_t(row)].Item));
  EXPECT_EQ(wizard.TypeList()->currentRow(), 0);
  // One check box per option row, off.
  for (const TImportOptionFlag& flag : ImportOptionFlags()) {
    ASSERT_NE(wizard.OptionBox(QLatin1String(flag.Key)), nullptr);
    EXPECT_FALSE(wizard.OptionBox(QLatin1String(flag.Key))->isChecked());
  }
}

// The rows are drawn as the name on the left, the label on the right; the current one highlighted.
TEST_F(ImportWizardTest, TypeRowsAreDrawnWithNameLabelAndHighlight) {
  QImage image(300, 18, QImage::Format_RGB32);
  QPalette palette;
  palette.setColor(QPalette::Highlight, QColor(0, 0, 200));
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  const QString item = QString::fromUtf8(ImportTypes()[0].Item);
  for (const bool selected : {false, true}) {
    QPainter painter(&image);
    TWizardTypeList::PaintItem(painter, image.rect(), palette, selected, item);
    painter.end();
    const QColor fill = selected ? QColor(0, 0, 200) : QColor(Qt::white);
    EXPECT_EQ(image.pixelColor(150, 9), fill);  // between name and label
    const auto inked = [&](int from, int to) {
      for (int x = from; x < to; ++x)
        for (int y = 0; y < image.height(); ++y)
          if (image.pixelColor(x, y) != fill) return true;
      return false;
    };
    EXPECT_TRUE(inked(2, 30)) << "name at the left";
    EXPECT_TRUE(inked(270, 298)) << "label at the right";
  }
}

TEST_F(ImportWizardTest, AWebPageWithDuplicatesByValueGoesToThePaletteAsOneStep) {
  const QString page = test::WriteText(dir_.filePath("page.html"),
                                       "#FFFFFF #ffffff #123456 #808080 #fff #C0FFEE #c0ffee #ABC");
  dialogs_.openPaths = {page};
  TPaletteDocument palette;
  palette.AddPaletteColor("kept", TColorObject());
  palette.SetPaletteModified(false);
  dialogs_.onExec = [&](QDialog& dialog) {
    auto& wizard = dynamic_cast<TImportForm&>(dialog);
    test::ShowWizard(wizard);
    EXPECT_FALSE(wizard.BackAction()->isEnabled());
    EXPECT_EQ(wizard.NextAction()->text(), "Next >>");
    test::ChooseType(wizard, 2);
    EXPECT_EQ(wizard.findChild<QLabel*>("lblDesc")->text(), "Import colors from local saved web-page");
    Click(wizard, wizard.NextAction());
    EXPECT_EQ(wizard.CurrentPage(), 1);
    EXPECT_TRUE(wizard.BackAction()->isEnabled());
    EXPECT_TRUE(wizard.BrowseButton()->isEnabled());
    EXPECT_TRUE(wizard.PathEdit()->text().isEmpty());
    QTest::mouseClick(wizard.BrowseButton(), Qt::LeftButton);
    EXPECT_EQ(dialogs_.openFilters.value(0), "Web-page (*.html *htm *.php *.css)");
    EXPECT_EQ(wizard.PathEdit()->text(), page);
    QTest::mouseClick(wizard.OptionBox("chkDontDuplicate"), Qt::LeftButton);
    Click(wizard, wizard.NextAction());
    EXPECT_EQ(wizard.CurrentPage(), 2);
    EXPECT_EQ(wizard.NextAction()->text(), "Finish");
    // #FFFFFF, #ffffff and #fff are one colour, so are #C0FFEE and #c0ffee.
    EXPECT_EQ(Captions(wizard), (QStringList{"FFFFFF", "123456", "808080", "C0FFEE", "AABBCC"}));
    EXPECT_EQ(wizard.ImportedLabel()->text(), "Total imported 5");
    EXPECT_EQ(wizard.ColorList()->Swatch(1), QColor(0x12, 0x34, 0x56));
    // Back and on again with grays left out too: the list is made again.
    Click(wizard, wizard.BackAction());
    QTest::mouseClick(wizard.OptionBox("chkDontBlack"), Qt::LeftButton);
    Click(wizard, wizard.NextAction());
    EXPECT_EQ(Captions(wizard), (QStringList{"123456", "C0FFEE", "AABBCC"}));
    Click(wizard, wizard.UnselectAllAction());
    EXPECT_TRUE(wizard.ColorList()->CheckedRows().isEmpty());
    Click(wizard, wizard.SelectAllAction());
    // The space bar toggles the current row's check box.
    wizard.ColorList()->setFocus();
    wizard.ColorList()->setCurrentItem(wizard.ColorList()->topLevelItem(1));
    QTest::keyClick(wizard.ColorList(), Qt::Key_Space);
    EXPECT_EQ(wizard.ColorList()->CheckedRows(), (QList<int>{0, 2}));
    Click(wizard, wizard.NextAction());
    return wizard.result();
  };
  RunImportWizard(nullptr, palette);
  ASSERT_EQ(palette.Count(), 3);
  EXPECT_EQ(palette.Entry(1).Name, "123456");
  EXPECT_EQ(palette.Entry(2).Name, "AABBCC");
  EXPECT_EQ(palette.Entry(2).Color.GetRGB(), (TRGBValues{0xAA, 0xBB, 0xCC}));
  EXPECT_EQ(palette.Entry(2).Color.Model(), cmRGB);
  EXPECT_TRUE(palette.PaletteModified());
  palette.UndoStack().undo();  // one step takes the whole import back
  EXPECT_EQ(palette.Count(), 1);
  EXPECT_TRUE(dialogs_.messages.empty());
}

// "All CSS color notations" reads a style sheet as a browser does: colours in property values in every
// notation, custom properties naming theirs; off, only the "#" texts anywhere (the comment's too).
TEST_F(ImportWizardTest, AllCssNotationsIsAnOptionOfItsOwn) {
  const QString sheet = test::WriteText(dir_.filePath("theme.css"),
                                        "/* #010203 */ .red { color: rebeccapurple; --brand: oklch(70% 0.1 250); "
                                        "background: rgb(255 0 0 / 50%); border-color: #ABC; }");
  const auto captions = [&](bool allNotations) {
    TImportForm wizard;
    test::ShowWizard(wizard);
    test::ChooseType(wizard, 2);
    Click(wizard, wizard.NextAction());
    test::Type(wizard.PathEdit(), sheet);
    QCheckBox* box = wizard.OptionBox("chkAllNotations");
    EXPECT_NE(box, nullptr);
    if (box == nullptr) return QStringList();
    EXPECT_EQ(box->text(), "All CSS color notations");
    EXPECT_FALSE(box->isChecked());
    // On the box itself: a click right of a short text is not on the check box.
    if (allNotations) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    EXPECT_EQ(box->isChecked(), allNotations);
    Click(wizard, wizard.NextAction());
    EXPECT_EQ(wizard.CurrentPage(), 2);
    return Captions(wizard);
  };
  EXPECT_EQ(captions(false), (QStringList{"010203", "AABBCC"}));
  const QStringList all = captions(true);
  ASSERT_EQ(all.size(), 4) << all.join(u' ').toStdString();
  EXPECT_EQ(all[0], "663399");
  EXPECT_EQ(all[1], "brand");
  EXPECT_EQ(all.mid(2), (QStringList{"FF0000", "AABBCC"}));
}

// An import that adds nothing is no change: neither Finish with nothing checked nor Cancel marks the palette.
TEST_F(ImportWizardTest, FinishingWithNothingCheckedOrCancellingChangesNothing) {
  const QString page = test::WriteText(dir_.filePath("p.css"), "a{color:#123456}");
  TPaletteDocument palette;
  for (const bool finish : {false, true}) {
    dialogs_.onExec = [&](QDialog& dialog) {
      auto& wizard = dynamic_cast<TImportForm&>(dialog);
      test::ShowWizard(wizard);
      test::ChooseType(wizard, 2);
      Click(wizard, wizard.NextAction());
      test::Type(wizard.PathEdit(), page);
      Click(wizard, wizard.NextAction());
      Click(wizard, wizard.UnselectAllAction());
      Click(wizard, finish ? wizard.NextAction() : wizard.CancelAction());
      return wizard.result();
    };
    RunImportWizard(nullptr, palette);
    EXPECT_EQ(palette.Count(), 0);
    EXPECT_FALSE(palette.PaletteModified()) << finish;
    EXPECT_EQ(palette.UndoStack().count(), 0) << finish;
  }
}

TEST_F(ImportWizardTest, AnAddressGetsItsSchemeAndTheServersMediaTypeChoosesTheReader) {
  TTypedServer server("a{color:#C0FFEE} b{color:#ABC}", "text/css; charset=utf-8");
  TImportForm wizard;
  TFetchOptions fetch;
  fetch.ReadTimeoutMs = 3000;
  wizard.SetFetchOptions(fetch);
  test::ShowWizard(wizard);
  test::ChooseType(wizard, 3);
  EXPECT_EQ(wizard.findChild<QLabel*>("lblDesc")->text(),
            "Import colors from a web-page or image from internet website. This function needs internet connection");
  Click(wizard, wizard.NextAction());
  EXPECT_FALSE(wizard.BrowseButton()->isEnabled());
  EXPECT_EQ(wizard.PathEdit()->text(), "http://");
  // Typed without the scheme; the name "colors.php?id=3" names no reader, the server says CSS.
  test::Type(wizard.PathEdit(), QStringLiteral("127.0.0.1:%1/colors.php?id=3").arg(server.Port()));
  Click(wizard, wizard.NextAction());
  EXPECT_EQ(wizard.PathEdit()->text(), QStringLiteral("http://127.0.0.1:%1/colors.php?id=3").arg(server.Port()));
  ASSERT_EQ(wizard.CurrentPage(), 2) << (dialogs_.messages.empty() ? "" : dialogs_.messages[0].text.toStdString());
  EXPECT_EQ(Captions(wizard), (QStringList{"C0FFEE", "AABBCC"}));
  EXPECT_EQ(server.Requests(), 1);
}

TEST_F(ImportWizardTest, FailuresAreShownAndKeepTheOptionsPage) {
  quint16 closedPort = 0;
  {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    closedPort = probe.serverPort();
  }
  const QString damaged = test::WriteText(dir_.filePath("bad.aco"), QByteArray("\x00\x07\x00\x01", 4));
  const struct {
    int type;
    QString path;
    QString message;
  } cases[] = {
      {3, QStringLiteral("127.0.0.1:%1/page.html").arg(closedPort), "Connection failed"},
      {3, QStringLiteral("https://127.0.0.1:%1/page.html").arg(closedPort), "Connection failed"},
      {0, damaged, "the swatch file is of version 7, which cannot be read"},
      {0, dir_.filePath("missing.aco"), "the file does not exist."},
  };
  for (const auto& c : cases) {
    dialogs_.messages.clear();
    TImportForm wizard;
    test::ShowWizard(wizard);
    test::ChooseType(wizard, c.type);
    Click(wizard, wizard.NextAction());
    test::Type(wizard.PathEdit(), c.path);
    Click(wizard, wizard.NextAction());
    EXPECT_EQ(wizard.CurrentPage(), 1) << c.path.toStdString();
    ASSERT_EQ(dialogs_.messages.size(), 1u) << c.path.toStdString();
    // "Could not read NAME: reason", the name as the reader was given it.
    const QString& text = dialogs_.messages[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Could not read "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("127.0.0.1")) || text.contains(QDir::toNativeSeparators(c.path)))
        << text.toStdString();
    EXPECT_TRUE(text.contains(c.message)) << text.toStdString();
    EXPECT_EQ(dialogs_.messages[0].flags, mfError);
  }
}

}  // namespace
}  // namespace tintorium
