// Makes a demo working directory: `kzp_demo <folder>`.
#include "tools/DemoData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Użycie: kzp_demo <folder danych>\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (QFileInfo::exists(QDir(folder).filePath("dane.sqlite"))) {
        std::fprintf(stderr, "Folder %s zawiera już dane; nic nie zmieniono.\n", qPrintable(folder));
        return 1;
    }
    try {
        const kzp::demo::DemoSummary s = kzp::demo::makeDemoWorkingDirectory(folder);
        std::printf("Dane demonstracyjne w %s: %d użytkowników, %d kasy, %d członków, %d pożyczek, %d wpłat, %d spłat.\n"
                    "Logowanie: ADMIN / admin, KASJER / kasa1, PODGLAD / podglad.\n",
                    qPrintable(folder), s.users, s.funds, s.members, s.loans, s.contributions, s.repayments);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Nie udało się przygotować danych: %s\n", e.what());
        return 1;
    }
    return 0;
}
