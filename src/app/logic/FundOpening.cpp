#include "app/logic/FundOpening.h"

#include "common/Dialogs.h"
#include "data/FundTables.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "data/TableNames.h"
#include "store/Tables.h"

#include <QDir>
#include <QFileInfo>

namespace kzp {

namespace {

const QString UsersCaption = QStringLiteral("Kontrola użytkowników.");
const QString RightsFootnote = QStringLiteral(" !!!\n Uprawnienia nadaje użytkownik z uprawnieniami administratora.");

void reopen(store::Cursor& c)
{
    c.close();
    c.open();
}

} // namespace

bool FundOpening::checkRights(const QString& fundName)
{
    const Session& session = m_ctx.session;
    const QString fullName = session.currentUser.nazwaPelna;
    if (!session.hasRight(RightActive)) {
        m_ctx.dialogs.error(QStringLiteral("Użytkownikowi: ") + fullName
                                + QStringLiteral(" cofnięto uprawnienia do pracy w\n kasie: ") + fundName + RightsFootnote,
                            UsersCaption);
        return false;
    }
    if (!session.hasRight(RightBrowse)) {
        m_ctx.dialogs.error(QStringLiteral("Użytkownik: ") + fullName
                                + QStringLiteral(" nie ma uprawnienień do przeglądania danych w \nkasie: ") + fundName
                                + RightsFootnote,
                            UsersCaption);
        return false;
    }
    return true;
}

bool FundOpening::open()
{
    TDM& dm = m_ctx.dm;
    Session& session = m_ctx.session;
    store::Cursor& kasy = dm.TKasy;

    const QString workDir = session.workDir.isEmpty() ? dm.workDir() : session.workDir;
    QDir::setCurrent(workDir);
    dm.setReportFlag(true);
    for (store::Cursor* c : {&dm.TWplaty, &dm.TWplatyRob, &dm.TRaty, &dm.TRatyRob})
        c->close();

    // Without a fund row there is nothing to open: the rights messages would name no fund and the
    // folder "Kas0" could belong to nobody.
    if (!kasy.isOpen() || kasy.isEmpty()) {
        m_ctx.dialogs.error(QStringLiteral("Brak folderu danej kasy !!!"), QStringLiteral("Kontrola !!!"));
        return false;
    }
    const QString folder = fundFolderName(kasy.field("Identyfikator").asInt());
    const QString fundName = kasy.field("NazwaKasy").asString();
    if (!checkRights(fundName))
        return false;

    const QString folderPath = QDir(workDir).filePath(folder);
    if (!QFileInfo::exists(folderPath)) {
        m_ctx.dialogs.error(QStringLiteral("Brak folderu danej kasy !!!"), QStringLiteral("Kontrola !!!"));
        return false;
    }

    const int year = session.processingDate.year;
    const int month = session.processingDate.month;
    const FundTables tables(dm.database());
    if (!tables.yearTablesExist(folderPath, year)) {
        const QString yearText = QString::number(year);
        const bool make = m_ctx.dialogs.askYesNo(
            QStringLiteral("Brak zbioru: ") + folder + QStringLiteral("\\Dok") + yearText + QStringLiteral(".DB")
                + QStringLiteral("\n\nCzy zakładasz zbior z Dokumentami księgowymi na Rok ") + yearText,
            QStringLiteral("Kontrola"));
        if (!make)
            return false;
    }
    // A documents table never stands without its entries table: a missing one is made with it.
    tables.ensureYearTables(folderPath, year);

    dm.pointAtFund(folder, year, month);
    reopen(dm.TDokumenty);
    reopen(dm.TDokPoz);
    reopen(dm.TDokPozRob);

    const QString missing = tables.firstMissingBaseTable(folderPath);
    if (!missing.isEmpty()) {
        m_ctx.dialogs.error(QStringLiteral("Brak zbioru : ") + missing.toUpper() + QStringLiteral(".DB !!!"),
                            QStringLiteral("Kontrola"));
        return false;
    }

    if (!store::Tables(dm.database()).exists(dm.TNumeryDok.table()))
        tables.createFundTables(folderPath); // only the numbering counters can be missing here
    for (store::Cursor* c : {&dm.TNumeryDok, &dm.TOperKonta, &dm.TPozyczki, &dm.TCzlonkowie, &dm.TZyranci,
                             &dm.TPozyczkiRob, &dm.TPozyczki, &dm.TWplatyRob, &dm.TWplaty})
        reopen(*c);

    if (kasy.field("CzyPlace").asBool())
        openHrRegister();

    reopen(dm.TRatyRob);
    reopen(dm.TRaty);

    tables.ensureMonthTable(folderPath, year, month);
    reopen(dm.TPotr);
    const YearMonth before = previousMonth(year, month);
    tables.ensureMonthTable(folderPath, before.year, before.month);
    reopen(dm.TPotrPoprzedniMc);
    // The rest of the fund's cursors (member names, guaranteed loans, the next year's documents
    // when they exist).
    dm.openFundCursors();

    dm.setReportFlag(false);
    for (store::Cursor* c : {&dm.TWplaty, &dm.TWplatyRob, &dm.TCzlonkowie, &dm.TZyranci, &dm.TRaty, &dm.TRatyRob,
                             &dm.TPozyczki, &dm.TPozyczkiRob, &dm.TPotr, &dm.TPotrPoprzedniMc})
        c->refresh();
    return true;
}

void FundOpening::openHrRegister()
{
    store::Cursor& kadry = m_ctx.dm.TKadry;
    kadry.close();
    // The register is read into its table by the HR unit; until it has been, only the look-up runs.
    if (store::Tables(m_ctx.dm.database()).exists(kadry.table()))
        kadry.open();
    else
        locateHrRegister();
}

QString FundOpening::locateHrRegister()
{
    Session& session = m_ctx.session;
    store::Cursor& kasy = m_ctx.dm.TKasy;
    const QString workDir = session.workDir.isEmpty() ? m_ctx.dm.workDir() : session.workDir;
    QString hrFolder;
    if (kasy.isOpen() && !kasy.isEmpty() && kasy.field("CzyPlace").asBool())
        hrFolder = kasy.field("SciezkaKadr").asString();

    const QString path = QDir(workDir).absoluteFilePath(
        hrFolder.isEmpty() ? QStringLiteral("KADRY.DB") : QDir(hrFolder).filePath(QStringLiteral("KADRY.DB")));
    if (!QFileInfo(path).isFile()) {
        m_ctx.dialogs.error(QStringLiteral("Ustaw scieżkę do zbioru KADRY.DB  i ponownie uruchom program !"), hrFolder);
        return QString();
    }
    session.hrRegisterPath = QDir::cleanPath(path);
    return session.hrRegisterPath;
}

void FundOpening::installHrRegisterRule(RuleContext& ctx)
{
    ctx.dm.TKadry.beforeOpen = [&ctx](store::Cursor&) { FundOpening(ctx).locateHrRegister(); };
}

} // namespace kzp
