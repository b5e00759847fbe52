#include "reports/QtFileDialogs.h"

#include <QFileDialog>

namespace kzp {

QString QtFileDialogs::openFileName(QWidget* parent, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

std::optional<FileDialogs::SaveChoice> QtFileDialogs::saveFileName(QWidget* parent, const QString& title,
                                                                   const QStringList& filters)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveChoice{dialog.selectedFiles().first(), int(filters.indexOf(dialog.selectedNameFilter()))};
}

} // namespace kzp
