#pragma once

#include <QDialog>

class QLabel;

namespace kzp {

// The about box: what the program is and its version.
class TFInformacja : public QDialog {
    Q_OBJECT
public:
    explicit TFInformacja(QWidget* parent = nullptr);

    QLabel* lblTytul;
    QLabel* lblKZP;
    QLabel* lblWersja;

    // The version the program was built as.
    static QString programVersion();
};

} // namespace kzp
