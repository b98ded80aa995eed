// The file list: showing a folder of 100,000 files, one in ten matching, against a bare listing of it.
#include "figures.h"
#include "folderlist.h"
#include "mediabrowser.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

class HundredThousandFiles {
public:
    HundredThousandFiles() {
        for (int i = 0; i < 100000; ++i) {
            const QString name = i % 10 == 0 ? QStringLiteral("Brano %1.mp3").arg(i)
                                             : QStringLiteral("Documento %1.txt").arg(i);
            const int file =
                open(QFile::encodeName(m_folder.filePath(name)).constData(), O_CREAT | O_WRONLY, 0644);
            if (file >= 0) close(file);
        }
    }
    QString path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

const HundredThousandFiles& folder() {
    static const HundredThousandFiles files;
    return files;
}

// Every name of the folder read into text, and nothing more.
void bareListing(benchmark::State& state) {
    for (auto _ : state) {
        QStringList names;
        DIR* listing = opendir(QFile::encodeName(folder().path()).constData());
        while (const dirent* entry = readdir(listing)) names.append(QFile::decodeName(entry->d_name));
        closedir(listing);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(bareListing)->Unit(benchmark::kMillisecond);

// The folder opened in the browser: read in the background, filtered, sorted, put into the file list and
// drawn.
void showFolderInFileList(benchmark::State& state) {
    QWidget window;
    auto* drives = new QComboBox(&window);
    auto* folders = new FolderList(&window);
    auto* files = new QListView(&window);
    files->setGeometry(200, 8, 298, 240);
    MediaBrowser browser(Drives({{QStringLiteral("/"), QStringLiteral("/")}}, QStringLiteral("/")), drives,
                         folders, files);
    browser.setPattern(QStringLiteral("*.mp3;*.wav;*.avi"));
    window.show();
    for (auto _ : state) {
        QEventLoop untilShown;
        QObject::connect(&browser, &MediaBrowser::readFinished, &untilShown, &QEventLoop::quit);
        browser.pointAt(folder().path());
        untilShown.exec();
        benchmark::DoNotOptimize(files->grab());
    }
    state.counters["files shown"] = double(files->model()->rowCount());
}
BENCHMARK(showFolderInFileList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    folder();
    return runBenchmarks(argc, argv, [](const Figures& figures) {
        const double bare = figures.milliseconds("bareListing");
        const double shown = figures.milliseconds("showFolderInFileList");
        std::printf("%-60s %10.2f ms\n", "Bare listing of 100,000 files", bare);
        std::printf("%-60s %10.2f ms\n", "The same folder shown in the file list (10,000 matching)", shown);
        Figures::verdict("Ratio", shown / bare, "x", 2);
    });
}
