// The program: the working directory is the folder it is started in.
#include "app/LedgerCommands.h"
#include "app/TFGlowny.h"
#include "app/logic/FundOpening.h"
#include "common/InstanceLock.h"
#include "data/DepartmentRules.h"
#include "data/FundRegisterRules.h"
#include "data/LedgerRules.h"
#include "data/RuleContext.h"
#include "data/UserRules.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "data/WorkingDirectory.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "reports/ReportPrinting.h"
#include "widgets/MessageBoxDialogs.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace {

void fatal(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("KASA ZAPOMOGOWO POŻYCZKOWA"), text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kzp"));
    QApplication::setApplicationVersion(QStringLiteral(KZP_VERSION));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));

    const QString workDir = QDir::currentPath();
    kzp::InstanceLock lock;
    if (!lock.acquire(workDir)) {
        fatal(lock.errorText());
        return 1;
    }

    try {
        store::Database db;
        db.open(workDir);
        kzp::WorkingDirectory::initialise(db);

        kzp::TDM dm(db);
        kzp::Session session;
        dm.userFullName = [&session](int id) { return session.userFullName(id); };
        kzp::MessageBoxDialogs dialogs;
        kzp::RuleContext ctx{dm, session, dialogs, {}};
        kzp::FundOpening::installHrRegisterRule(ctx);
        kzp::installFundRegisterRules(ctx);
        kzp::installUserRules(ctx);
        kzp::installDepartmentRules(ctx);
        const auto ledgerRules = kzp::installLedgerRules(ctx);

        kzp::TFGlowny glowny(ctx);
        kzp::ReportPrinting printing(dialogs, &glowny);
        kzp::wireLedgerCommands(glowny, ctx, *ledgerRules, printing);
        dm.TParametry.open();
        // Maximised also where no window manager does it for us.
        if (const QScreen* screen = QApplication::primaryScreen())
            glowny.setGeometry(screen->availableGeometry());
        glowny.showMaximized();
        return app.exec();
    } catch (const store::StoreError& error) {
        fatal(QStringLiteral("Błąd bazy danych: %1").arg(error.message()));
    } catch (const std::exception& error) {
        fatal(QStringLiteral("Błąd programu: %1").arg(QString::fromLocal8Bit(error.what())));
    }
    return 1;
}
