#include "app/logic/MainCommands.h"

#include "app/logic/FundOpening.h"
#include "common/Dialogs.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFileInfo>

namespace kzp {

namespace {

const QString UsersCaption = QStringLiteral("Kontrola użytkowników.");

QString refusalText(int right)
{
    switch (right) {
    case RightAdministrator:
        return QStringLiteral("Nie masz uprawnień administratora !!!");
    case RightBrowse:
        return QStringLiteral("Nie masz uprawnień do podglądu !!!");
    case RightUpdate:
        return QStringLiteral("Nie masz uprawnień do aktualizacji !!!");
    default:
        return QString();
    }
}

} // namespace

CommandGate MainCommands::gate(Command command)
{
    using F = CommandGate::FundFailure;
    switch (command) {
    case Command::Wybierz:
        return {RightBrowse, false, F::Silent}; // the member card opens the fund itself
    case Command::PotraceniaZPlac:
        return {RightUpdate, false, F::Silent}; // the import window opens the fund itself
    case Command::DokumentyKsiegowe:
    case Command::SaldaObroty:
    case Command::Z1:
    case Command::Z2:
    case Command::Z3:
    case Command::Z4:
    case Command::Z7:
    case Command::F1:
    case Command::F2:
    case Command::F3:
        return {-1, true, F::BrakDanych};
    case Command::GenerowaniePotracen:
    case Command::UsunDane:
        return {-1, true, F::Silent};
    case Command::Kasy:
    case Command::Dzialy:
    case Command::KodyDokumentow:
    case Command::SymboleKont:
    case Command::DaneFirmy:
    case Command::Uzytkownicy:
    case Command::KasowanieArchiwum:
        return {RightAdministrator, false, F::Silent};
    case Command::OperacjeKsiegowan:
        return {RightAdministrator, true, F::BrakDanychKontrola};
    case Command::ZmianaOkresu:
    case Command::Zamknij:
    case Command::ZamknijMiesiac:   // the closing checks its rights itself
    case Command::AnulujZamkniecie:
    case Command::ZmianaHasla:
    case Command::KopiowanieDanych:
    case Command::Informacja:
        break;
    }
    return {};
}

bool MainCommands::refuse(const QString& text)
{
    m_ctx.dialogs.error(text, UsersCaption);
    return false;
}

bool MainCommands::prepare(Command command)
{
    if (command == Command::PotraceniaZPlac) {
        store::Cursor& kasy = m_ctx.dm.TKasy;
        // Said even to a user without the right to update: the fund cannot be imported into at all.
        if (!kasy.isOpen() || kasy.isEmpty() || !kasy.field("CzyPlace").asBool())
            throw store::RuleError(QStringLiteral("Ta KASA  nie współpracuje z systemem PŁACOWYM "));
    }
    const CommandGate g = gate(command);
    if (g.right >= 0 && !m_ctx.session.hasRight(g.right))
        return refuse(refusalText(g.right));
    if (g.opensFund && !FundOpening(m_ctx).open()) {
        switch (g.fundFailure) {
        case CommandGate::FundFailure::BrakDanych:
            m_ctx.dialogs.error(QStringLiteral("Brak danych !!!"), QStringLiteral("Kontrola generowania wydruku."));
            break;
        case CommandGate::FundFailure::BrakDanychKontrola:
            m_ctx.dialogs.error(QStringLiteral("Brak danych !!!"), QStringLiteral("Kontrola "));
            break;
        case CommandGate::FundFailure::Silent:
            break;
        }
        return false;
    }
    return true;
}

QString MainCommands::prepareBackupFolder(const QDate& today)
{
    store::Cursor& parametry = m_ctx.dm.TParametry;
    if (!parametry.isOpen())
        parametry.open();
    parametry.first();
    const QString archive = parametry.isEmpty() ? QString() : parametry.field("KatalogArchiwum").asString().trimmed();

    // An empty archive folder would put the copy at the root of the disk: refused like any other
    // folder that cannot be made.
    if (!archive.isEmpty()) {
        const QString workDir = m_ctx.session.workDir.isEmpty() ? m_ctx.dm.workDir() : m_ctx.session.workDir;
        const QString path = QDir::cleanPath(QDir(workDir).absoluteFilePath(
            QDir(archive).filePath(QStringLiteral("KZP__") + today.toString(QStringLiteral("yyyy-MM-dd")))));
        const QFileInfo info(path);
        if (info.isDir() || (!info.exists() && QDir().mkpath(path)))
            return path;
    }
    m_ctx.dialogs.error(QStringLiteral("Błąd generowania katalogu: ARCHIWUM"), QStringLiteral("Błąd"));
    return QString();
}

bool MainCommands::confirmClose(bool mainWindowInControl)
{
    if (!mainWindowInControl) {
        m_ctx.dialogs.error(QStringLiteral("Automatyczne zamknięcie programu Turmel tylko z głownego okna.\n"
                                           "Zamknij okna podrzędne i wróć do funkcji !!!"),
                            QStringLiteral("Zakończenie programu KZP."));
        return false;
    }
    return m_ctx.dialogs.askYesNo(QStringLiteral("Czy chcesz zakończyć pracę z programem ?"),
                                  QStringLiteral("Zakończenie programu KZP"));
}

} // namespace kzp
