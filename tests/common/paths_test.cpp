#include "paths.h"
#include "qtprinting.h"

#include <gtest/gtest.h>

TEST(Paths, FolderChainRunsFromTheRootWithOneSeparatorBetweenNames) {
    EXPECT_EQ(folderChain(QStringLiteral("/"), QStringLiteral("/")), QStringList{QStringLiteral("/")});
    EXPECT_EQ(folderChain(QStringLiteral("/"), QStringLiteral("/home/anna")),
              (QStringList{QStringLiteral("/"), QStringLiteral("/home"), QStringLiteral("/home/anna")}));
    EXPECT_EQ(folderChain(QStringLiteral("/home/anna"), QStringLiteral("/home/anna/Musica/Jazz")),
              (QStringList{QStringLiteral("/home/anna"), QStringLiteral("/home/anna/Musica"),
                           QStringLiteral("/home/anna/Musica/Jazz")}));
    EXPECT_EQ(folderChain(QStringLiteral("/media/usb"), QStringLiteral("/home")),
              QStringList{QStringLiteral("/home")});
}
