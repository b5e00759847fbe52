#include "widgets/CommandBoundary.h"

#include "common/Dialogs.h"
#include "store/StoreError.h"

namespace widgets {

QString CommandBoundary::storeErrorText(const QString& message)
{
    return QStringLiteral("Błąd zapisu danych: %1").arg(message);
}

bool CommandBoundary::run(const std::function<void()>& command) const
{
    try {
        command();
        return true;
    } catch (const store::RuleError& error) {
        m_dialogs->error(error.message(), QStringLiteral("Błąd"));
    } catch (const store::Abort&) {
        // the handler that abandoned the command has already said what it had to
    } catch (const store::StoreError& error) {
        m_dialogs->error(storeErrorText(error.message()), QStringLiteral("Błąd"));
    } catch (const std::exception& error) {
        m_dialogs->error(QStringLiteral("Błąd programu: %1").arg(QString::fromLocal8Bit(error.what())),
                         QStringLiteral("Błąd"));
    }
    return false;
}

bool runCommand(kzp::Dialogs& dialogs, const std::function<void()>& command)
{
    return CommandBoundary(dialogs).run(command);
}

} // namespace widgets
