#include "app/ConnectionSettings.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

unsigned char* Bytes(ConnectionSettings& s) { return reinterpret_cast<unsigned char*>(&s); }

ConnectionSettings Patterned() {
    ConnectionSettings s;
    for (size_t i = 0; i < kConnectionSettingsDataBytes; ++i)
        Bytes(s)[i] = static_cast<unsigned char>(i * 7 + 1);
    std::memset(Bytes(s) + 41, 0x55, 3);
    s.logPath = "C:\\Tools\\Log.ini";
    return s;
}

TEST(ConnectionSettingsTest, HasTheSharedLayout) {
    EXPECT_EQ(sizeof(ConnectionSettings), 48u);
    EXPECT_EQ(offsetof(ConnectionSettings, connected), 40u);
    EXPECT_EQ(offsetof(ConnectionSettings, logPath), 44u);
    ConnectionSettings s;
    s.logPath = "x";
    EXPECT_EQ(*reinterpret_cast<const char* const*>(Bytes(s) + 44), s.logPath.GetString());
}

TEST(ConnectionSettingsTest, StartsZeroWithAnEmptyLogPath) {
    ConnectionSettings s;
    for (size_t i = 0; i < kConnectionSettingsDataBytes; ++i)
        EXPECT_EQ(Bytes(s)[i], 0) << "byte " << i;
    EXPECT_TRUE(s.logPath.IsEmpty());
    EXPECT_FALSE(s.IsConnected());
}

// Copy construction and assignment: every byte but the padding, and the
// string by sharing.
TEST(ConnectionSettingsTest, CopiesEverythingButThePadding) {
    ConnectionSettings source = Patterned();
    for (bool bAssign : {false, true}) {
        SCOPED_TRACE(bAssign ? "assignment" : "construction");
        alignas(ConnectionSettings) unsigned char storage[sizeof(ConnectionSettings)];
        std::memset(storage, 0xAA, sizeof storage);
        ConnectionSettings* pCopy;
        if (bAssign) {
            pCopy = new (storage) ConnectionSettings;
            std::memset(storage + 41, 0xAA, 3);
            *pCopy = source;
        } else {
            pCopy = new (storage) ConnectionSettings(source);
        }
        EXPECT_EQ(std::memcmp(storage, Bytes(source), kConnectionSettingsDataBytes), 0);
        for (int i = 41; i < 44; ++i)
            EXPECT_EQ(storage[i], 0xAA) << "padding byte " << i << " was copied";
        EXPECT_EQ(pCopy->logPath.GetData(), source.logPath.GetData());
        EXPECT_EQ(source.logPath.GetData()->nRefs, 2);
        pCopy->~ConnectionSettings();
        EXPECT_EQ(source.logPath.GetData()->nRefs, 1);
    }
}

TEST(ConnectionSettingsTest, AnImageHoldsOneReferenceUntilReleased) {
    ConnectionSettings source = Patterned();
    ConnectionSettingsImage image = ConnectionSettingsImage::CopyOf(source);
    EXPECT_EQ(source.logPath.GetData()->nRefs, 2);
    EXPECT_EQ(std::memcmp(image.bytes, Bytes(source), kConnectionSettingsDataBytes), 0);
    EXPECT_STREQ(image.Record().logPath, "C:\\Tools\\Log.ini");

    ConnectionSettingsImage passed = image;  // a plain byte copy moves the reference
    EXPECT_EQ(source.logPath.GetData()->nRefs, 2);
    passed.Release();
    EXPECT_EQ(source.logPath.GetData()->nRefs, 1);
}

}  // namespace
