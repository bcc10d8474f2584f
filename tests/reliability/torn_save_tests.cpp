#include "store/data_store.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <random>

namespace kl {
namespace {

md::DataStore team_with_games(const QString& path, int games) {
    md::DataStore store;
    store.team_name = QStringLiteral(u"テストFC");
    store.member_list = QStringLiteral(u"佐藤,鈴木,高橋");
    store.data_file_path = path;
    for (int i = 0; i < games; ++i) {
        store.game_lines.append(QStringLiteral(u"#,記録,2006/04/%1,10:00,G,O,M,90,なし,,,なし,F").arg(i) +
                                QStringLiteral(u",GK,選手").repeated(11) + QStringLiteral(u",,,,,,,,,,##"));
    }
    return store;
}

// A save killed at any moment leaves the file whole: either as it was or as it was being written.
TEST(TornSave, AKilledSaveLeavesOneOfTheTwoWholeContents) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral(u"team.kld"));
    md::DataStore first = team_with_games(path, 40);
    md::DataStore second = team_with_games(path, 400);
    ASSERT_TRUE(first.save_team_data().ok);
    const QByteArray first_bytes = test::read_bytes(path);
    ASSERT_TRUE(second.save_team_data().ok);
    const QByteArray second_bytes = test::read_bytes(path);
    ASSERT_NE(first_bytes.size(), second_bytes.size());

    std::mt19937 random(20061201);
    std::uniform_int_distribution<int> delay_us(0, 4000);
    const auto started = std::chrono::steady_clock::now();
    int kills = 0;
    for (; kills < 250 && std::chrono::steady_clock::now() - started < std::chrono::seconds(60); ++kills) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (unsigned round = 0;; ++round) {
                // Each overwrites the other's version: that is what is asked before a real save.
                (round % 2 == 0 ? first : second).save_team_data(md::OnDiskChange::overwrite);
            }
        }
        usleep(static_cast<useconds_t>(delay_us(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const QByteArray on_disk = test::read_bytes(path);
        ASSERT_TRUE(on_disk == first_bytes || on_disk == second_bytes) << "after kill " << kills;
    }
    EXPECT_GE(kills, 200);
}

}  // namespace
}  // namespace kl
