// The process-wide registry of file types: one registration per object,
// withdrawn on any change and on release.
#include <memory>

#include <gtest/gtest.h>

#include "FileType.h"

namespace {

TEST(CoreFileType, RegistersOnceAndWithdraws)
{
    const String name = "core-test-type";
    auto type = std::make_unique<FileType>();
    type->SetName(name);
    type->SetMacType("TEXT");
    type->SetMacCreator("R*ch");
    EXPECT_EQ(FileType::RegisteredCount(name), 0);

    EXPECT_EQ(static_cast<String>(*type), name);
    EXPECT_EQ(static_cast<String>(*type), name);
    EXPECT_EQ(FileType::RegisteredCount(name), 1);
    ASSERT_EQ(FileType::Registered(name), type.get());
    EXPECT_EQ(FileType::Registered(name)->MacCreator(), "R*ch");

    // Any assignment withdraws, even one that changes nothing.
    type->SetMacCreator("R*ch");
    EXPECT_FALSE(type->IsRegistered());
    EXPECT_EQ(FileType::Registered(name), nullptr);

    // A second object of the same name is a second registration.
    FileType twin;
    twin.SetName(name);
    static_cast<void>(static_cast<String>(*type));
    static_cast<void>(static_cast<String>(twin));
    EXPECT_EQ(FileType::RegisteredCount(name), 2);
    type.reset();
    EXPECT_EQ(FileType::RegisteredCount(name), 1);
    EXPECT_EQ(FileType::Registered(name), &twin);
}

} // namespace
