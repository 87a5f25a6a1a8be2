// The pictures of the Resources folder are read once they can be: a picture
// missing at one use is looked for again at the next, and one once read is
// kept even when its file goes.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "CachedPicture.h"

namespace {

TEST(CachedPicture, RetriesWhileMissingAndKeepsOnceLoaded)
{
    QTemporaryDir dir;
    int asked = 0;
    CachedPicture pic(
        [&] {
            ++asked;
            return std::make_shared<FolderItem>(dir.path().toStdString());
        },
        "i.jpg");
    EXPECT_EQ(pic.Get(), nullptr) << "missing";
    QFile file(dir.path() + "/i.jpg");
    ASSERT_TRUE(QFile::copy(QUANDE_APP_DIR "/Resources/quandeicon.jpg", file.fileName()));
    const std::shared_ptr<Picture> loaded = pic.Get();
    ASSERT_NE(loaded, nullptr) << "looked for again";
    ASSERT_TRUE(file.remove());
    EXPECT_EQ(pic.Get(), loaded) << "kept, not read again";
    EXPECT_EQ(asked, 2);
}

} // namespace
