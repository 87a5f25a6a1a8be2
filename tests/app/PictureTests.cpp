// A picture is read once it can be and kept from then on; while it cannot
// be read, every use tries again.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CachedPicture.h"

namespace {

const QString kSource = QString(QUANDE_APP_DIR) + "/Resources/quandeicon.jpg";

TEST(CachedPicture, RetriesWhileMissingAndKeepsOnceLoaded) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    int folderAsked = 0;
    CachedPicture pic(
        [&] {
            ++folderAsked;
            return std::make_shared<FolderItem>(dir.path().toStdString());
        },
        "icon.jpg");
    const QString file = dir.path() + "/icon.jpg";

    EXPECT_EQ(pic.Get(), nullptr) << "missing";
    {
        QFile broken(file);
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
    }
    EXPECT_EQ(pic.Get(), nullptr) << "does not decode";
    EXPECT_EQ(folderAsked, 2);

    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QFile::copy(kSource, file));
    std::shared_ptr<Picture> loaded = pic.Get();
    ASSERT_NE(loaded, nullptr);
    EXPECT_GT(loaded->Width(), 0);

    ASSERT_TRUE(QFile::remove(file));
    EXPECT_EQ(pic.Get(), loaded) << "kept, not read again";
    EXPECT_EQ(folderAsked, 3);
}

TEST(CachedPicture, NoFolderGivesNoPicture) {
    CachedPicture pic([] { return std::shared_ptr<FolderItem>(); }, "icon.jpg");
    EXPECT_EQ(pic.Get(), nullptr);
    CachedPicture noSource(nullptr, "icon.jpg");
    EXPECT_EQ(noSource.Get(), nullptr);
}

} // namespace
