// The playlist: adding files with the removal of repeated paths, against the pairwise walk, and the
// playlist view at its largest.
#include "entrylimit.h"
#include "figures.h"
#include "listfile.h"
#include "pairwisewalk.h"
#include "playlistmodel.h"

#include <QApplication>
#include <QListView>
#include <QTemporaryDir>

namespace {

// count tracks from number first on; every tenth repeats an earlier path of the run in capitals.
std::vector<Track> tracks(int first, int count) {
    std::vector<Track> result;
    result.reserve(size_t(count));
    for (int i = first; i < first + count; ++i) {
        const QString path = QStringLiteral("/home/anna/Musica/Brano %1.mp3").arg(i);
        result.push_back({QString::number(i), i % 10 == 9 ? path.toUpper() : path});
    }
    return result;
}

std::vector<Track> withRepeats(int count) {
    std::vector<Track> list = tracks(0, count);
    for (int i = 0; i < count; i += 7) list[size_t(i)].path = list[size_t(count - 1 - i)].path.toLower();
    return list;
}

void addTenThousandToTwentyThousand(benchmark::State& state) {
    const std::vector<Track> existing = tracks(0, 20000);
    // 9,000 new files and 1,000 that are already in the playlist.
    std::vector<Track> added = tracks(20000, 9000);
    const std::vector<Track> again = tracks(5000, 1000);
    added.insert(added.end(), again.begin(), again.end());
    for (auto _ : state) {
        state.PauseTiming();
        PlaylistModel model;
        model.add(existing);
        state.ResumeTiming();
        model.add(added);
    }
}
BENCHMARK(addTenThousandToTwentyThousand)->Unit(benchmark::kMillisecond);

void linearRemoval(benchmark::State& state) {
    const std::vector<Track> list = withRepeats(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(withoutRepeatedPaths(list, list.size()));
}
BENCHMARK(linearRemoval)->Arg(3000)->Unit(benchmark::kMillisecond);

void pairwiseRemoval(benchmark::State& state) {
    const std::vector<Track> list = withRepeats(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(pairwiseWalk(list));
}
BENCHMARK(pairwiseRemoval)->Arg(3000)->Unit(benchmark::kMillisecond);

// The view at 32,767 entries: what the user waits for when the list is full.
class FullPlaylist {
public:
    FullPlaylist() {
        m_model.add(tracks(0, kMaxEntries));
        m_view.setUniformItemSizes(true);
        m_view.resize(394, 160);
        m_view.setModel(&m_model);
        m_view.show();
    }
    QListView& view() { return m_view; }
    PlaylistModel& model() { return m_model; }

private:
    PlaylistModel m_model;
    QListView m_view;
};

void showFullPlaylist(benchmark::State& state) {
    PlaylistModel model;
    model.add(tracks(0, kMaxEntries));
    for (auto _ : state) {
        QListView view;
        view.setUniformItemSizes(true);
        view.resize(394, 160);
        view.setModel(&model);
        view.show();
        benchmark::DoNotOptimize(view.grab());
    }
}
BENCHMARK(showFullPlaylist)->Unit(benchmark::kMillisecond);

void scrollFullPlaylistToItsEnds(benchmark::State& state) {
    FullPlaylist playlist;
    for (auto _ : state) {
        playlist.view().scrollToBottom();
        benchmark::DoNotOptimize(playlist.view().grab());
        playlist.view().scrollToTop();
        benchmark::DoNotOptimize(playlist.view().grab());
    }
}
BENCHMARK(scrollFullPlaylistToItsEnds)->Unit(benchmark::kMillisecond);

// The edit and the view's answer to it alone: the entry removed is made up for, untimed, by a new one, so
// that the list stays full and the view has no other work left when the clock starts.
void removeAndMoveInFullPlaylist(benchmark::State& state) {
    FullPlaylist playlist;
    int added = kMaxEntries;
    for (auto _ : state) {
        playlist.model().remove(0);
        playlist.model().moveUp(playlist.model().rowCount() - 1);
        benchmark::DoNotOptimize(playlist.view().grab());
        state.PauseTiming();
        playlist.model().add(tracks(added++, 1));
        benchmark::DoNotOptimize(playlist.view().grab());
        state.ResumeTiming();
    }
}
BENCHMARK(removeAndMoveInFullPlaylist)->Unit(benchmark::kMillisecond);

// A list file of the largest playlist: written, then read and shown.
void writeFullListFile(benchmark::State& state) {
    const std::vector<Track> full = tracks(0, kMaxEntries);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Grande.zbl"));
    for (auto _ : state) writeListFile(path, full);
}
BENCHMARK(writeFullListFile)->Unit(benchmark::kMillisecond);

void readAndShowFullListFile(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Grande.zbl"));
    writeListFile(path, tracks(0, kMaxEntries));
    FullPlaylist playlist;
    for (auto _ : state) {
        playlist.model().replace(*readListFile(path));
        benchmark::DoNotOptimize(playlist.view().grab());
    }
}
BENCHMARK(readAndShowFullListFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return runBenchmarks(argc, argv, [](const Figures& figures) {
        Figures::verdict("Add 10,000 files to 20,000 entries, repeats removed",
                         figures.milliseconds("addTenThousandToTwentyThousand"), "ms", 20);
        const double linear = figures.milliseconds("linearRemoval/3000");
        const double pairwise = figures.milliseconds("pairwiseRemoval/3000");
        std::printf("%-60s %10.2f ms\n", "Pairwise walk over 3,000 entries", pairwise);
        std::printf("%-60s %10.2f ms\n", "Linear removal over the same 3,000 entries", linear);
        std::printf("%-60s %10.0f x\n", "Linear removal is faster by", pairwise / linear);
        Figures::verdict("Show a playlist of 32,767 entries", figures.milliseconds("showFullPlaylist"), "ms",
                         16);
        Figures::verdict("Scroll it to the end and back", figures.milliseconds("scrollFullPlaylistToItsEnds"),
                         "ms", 16);
        Figures::verdict("Remove the first entry, move the last one up",
                         figures.milliseconds("removeAndMoveInFullPlaylist"), "ms", 16);
        Figures::verdict("Write a list file of 32,767 tracks", figures.milliseconds("writeFullListFile"),
                         "ms", 50);
        Figures::verdict("Read it and show it in the playlist",
                         figures.milliseconds("readAndShowFullListFile"), "ms", 100);
    });
}
