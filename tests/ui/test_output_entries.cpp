// Printing and picture files from the window's entries: the print dialog
// answered with a PDF printer, the percentage checked before any page,
// pictures saved under the naming rule, the clipboard's copy.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include "form_fixture.h"
#include "plot/graph_window.h"
#include "ui/print_dialog.h"

namespace kurvo {
namespace {

class OutputEntries : public test::FormTest {
protected:
    std::unique_ptr<TMainForm> StartWithGraph() {
        auto form = Start(820, 600);
        form->FormulaBox()->setEditText("x²");
        form->PlotCommand();
        return form;
    }
};

TEST_F(OutputEntries, PrintEntryPrintsOnePageThroughItsDialog) {
    auto form = StartWithGraph();
    const QString pdf = tmp_.filePath("page.pdf");
    QAction* print = form->Action("&Print");
    ASSERT_TRUE(print->isEnabled());
    // The dialog is modal: answer it once it shows.
    QString typed = "50";
    auto answer = [&] {
        auto* dialog = form->PrintDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->PercentField()->setText(typed);
        dialog->Dialog()->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->Dialog()->printer()->setOutputFileName(pdf);
        // done() keeps the printer as set here (accept() would take the
        // dialog widgets' printer choice).
        dialog->Dialog()->done(QDialog::Accepted);
    };
    QTimer::singleShot(0, form.get(), answer);
    print->trigger();
    const QByteArray bytes = ReadAll(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF")) << "printed to the PDF printer";
    EXPECT_TRUE(boxes_.errors.empty());

    // The field keeps its text; a percentage that is no integer prints nothing.
    QFile::remove(pdf);
    typed = "5O";
    QTimer::singleShot(0, form.get(), answer);
    print->trigger();
    ASSERT_EQ(boxes_.errors.size(), 1u);
    EXPECT_EQ(boxes_.errors[0], "'5O' is not a valid integer value");
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(OutputEntries, PicturesFollowTheNamingRuleAndTheClipboardHoldsThePicture) {
    auto form = StartWithGraph();
    ASSERT_TRUE(form->Action("Save as &Picture")->isEnabled());
    ASSERT_TRUE(form->Action("Printer Setup")->isEnabled());
    const QString base = tmp_.filePath("graph");
    const QImage shown = form->PictureImage()->convertToFormat(QImage::Format_RGB32);
    form->SavePictureAs(base, 0);
    form->SavePictureAs(base + ".bmp", 0);
    form->SavePictureAs(base, 1);
    form->SavePictureAs(base, 2);
    form->SavePictureAs(base + ".PDF", 3);
    EXPECT_EQ(QImage(base + ".bmp").convertToFormat(QImage::Format_RGB32), shown);
    EXPECT_FALSE(QFile::exists(base + ".bmp.bmp"));
    EXPECT_EQ(QImage(base + ".gif").convertToFormat(QImage::Format_RGB32), shown);
    EXPECT_TRUE(ReadAll(base + ".svg").contains("<svg"));
    EXPECT_TRUE(ReadAll(base + ".PDF").startsWith("%PDF"));
    EXPECT_TRUE(boxes_.errors.empty());

    form->SavePictureAs(tmp_.filePath("missing/graph"), 1);
    ASSERT_EQ(boxes_.errors.size(), 1u);
    EXPECT_TRUE(boxes_.errors[0].startsWith("The picture could not be saved: ")) << boxes_.errors[0].toStdString();

    form->Action("&Copy Graph to Clipboard")->trigger();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.deviceIndependentSize().toSize(), shown.size());
}

}  // namespace
}  // namespace kurvo
