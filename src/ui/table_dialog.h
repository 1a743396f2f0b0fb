#pragma once
// "Table of Values": x from a start to an end in steps, one column per
// graph plotted (analysis/value_table.h); Copy puts it on the clipboard
// tab separated, "Save As Dataset" writes x and the chosen column as a
// data set file (comma separated .csv, tab separated .txt).
#include <QDialog>

class QLineEdit;
class QTableWidget;

namespace kurvo {

class TGraphWindow;

class TTableDialog : public QDialog {
    Q_OBJECT
public:
    TTableDialog(TGraphWindow& graph, QWidget* parent);
    // The fields from the view (step a twentieth of it), the table filled.
    void Prepare();
    // Fills the table from the fields; "" or the message that refused them.
    QString Fill();
    QString TabText() const;
    // The lines of the data set file for column `column` (1 = first graph).
    std::vector<std::string> DatasetLines(int column, char separator) const;
    QTableWidget* Table() const { return table_; }
    QLineEdit* Field(int i) const { return fields_[i]; }

private:
    void SaveAsDataset();

    TGraphWindow& graph_;
    QLineEdit* fields_[3] = {};
    QTableWidget* table_ = nullptr;
};

}  // namespace kurvo
