#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A folder tree made for a test: empty files and folders given by their paths below a temporary folder.
class BrowserFolders {
public:
    QString path(const QString& below = QString()) const {
        return below.isEmpty() ? m_root.path() : m_root.filePath(below);
    }

    void makeFiles(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const QString file = path(QString::fromUtf8(name));
            ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
            QFile touched(file);
            ASSERT_TRUE(touched.open(QIODevice::WriteOnly)) << name;
        }
    }

    void makeFolders(std::initializer_list<const char*> names) {
        for (const char* name : names) ASSERT_TRUE(QDir().mkpath(path(QString::fromUtf8(name)))) << name;
    }

private:
    QTemporaryDir m_root;
};
