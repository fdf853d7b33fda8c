#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/TestPictures.h"
#include "model/MercavoError.h"
#include "model/StrcDoc.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

std::vector<uint8_t> Store(CStrcDoc& doc) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    doc.Serialize(ar);
    return stream.Bytes();
}

void Load(CStrcDoc& doc, const std::vector<uint8_t>& bytes) {
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    doc.Serialize(ar);
}

int32_t IntAt(const std::vector<uint8_t>& bytes, size_t at) {
    int32_t value;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

class StructureFileTest : public ::testing::Test {
protected:
    CDetachedAppService app;
    CFakeFrameService frame;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
    CScopedService<IFrameService> scopedFrame = ScopedFrame(&frame);

    void Fill(CStrcDoc& doc) {
        for (int i = 0; i < 2; ++i) {
            auto type = std::make_unique<CBD>();
            type->SetTypeCode(50 + i);
            type->SetName("Type " + std::to_string(i));
            type->SetEffects({{i, 0.5}});
            type->GetFirstPicture(i) = CBM(MakeTestImageBlock(6, 5, 8, 0, i));
            doc.AddType(std::move(type));
        }
        doc.SetText("Structures of the harbour district");
        doc.GetBlock().Alloc(37);
        for (size_t k = 0; k < 37; ++k) doc.GetBlock().Lock()[k] = static_cast<uint8_t>(k * 5);
    }
};

TEST_F(StructureFileTest, EmptyFileIs118Bytes) {
    CStrcDoc doc;
    std::vector<uint8_t> bytes = Store(doc);
    ASSERT_EQ(bytes.size(), 118u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 34),
              std::string("MERCAVO Structure Data File  1.00\x1A"));
    EXPECT_EQ(IntAt(bytes, 34), 2);
    EXPECT_EQ(IntAt(bytes, 38), 0);
    EXPECT_EQ(IntAt(bytes, 42), 4);
    EXPECT_EQ(IntAt(bytes, 46), 0);
    EXPECT_EQ(IntAt(bytes, 114), 0);
}

TEST_F(StructureFileTest, FileLoadsAndStoresAgainByteForByte) {
    CStrcDoc doc;
    Fill(doc);
    std::vector<uint8_t> bytes = Store(doc);
    EXPECT_EQ(IntAt(bytes, 42), 2 * 3 + 4);
    EXPECT_EQ(IntAt(bytes, 46), 2);
    CStrcDoc loaded;
    Load(loaded, bytes);
    EXPECT_EQ(Store(loaded), bytes);
    ASSERT_EQ(loaded.GetTypeCount(), 2);
    EXPECT_EQ(loaded.GetType(1).GetName(), "Type 1");
    EXPECT_TRUE(loaded.GetType(1).GetFirstPicture(1).HasImage());
    EXPECT_EQ(std::string(loaded.GetText().data()), "Structures of the harbour district");
    EXPECT_EQ(loaded.GetBlock().Size(), 37u);

    // Loading a file without a block drops the one the document had.
    CStrcDoc empty;
    Load(loaded, Store(empty));
    EXPECT_EQ(loaded.GetTypeCount(), 0);
    EXPECT_TRUE(loaded.GetBlock().IsEmpty());
}

TEST_F(StructureFileTest, TypeCountOutsideTheTableIsRefused) {
    CStrcDoc doc;
    std::vector<uint8_t> bytes = Store(doc);
    for (int32_t count : {-1, 257, 100000}) {
        std::memcpy(bytes.data() + 46, &count, 4);
        CStrcDoc loaded;
        try {
            Load(loaded, bytes);
            ADD_FAILURE() << count;
        } catch (eMERCAVO_ERROR e) {
            EXPECT_EQ(e, eMERCAVO_ERROR_CONTENTS);
        }
    }
}

TEST_F(StructureFileTest, BlockLongerThanTheFileThrowsBeforeAllocating) {
    CStrcDoc doc;
    std::vector<uint8_t> bytes = Store(doc);
    int32_t size = 0x7FFFFFFF;
    std::memcpy(bytes.data() + 114, &size, 4);
    CStrcDoc loaded;
    EXPECT_THROW(Load(loaded, bytes), CArchiveException);
}

TEST_F(StructureFileTest, FileFailuresShowTheirMessages) {
    std::string path = (std::filesystem::temp_directory_path() /
                        ("strcdoc_" + std::to_string(::getpid()) + ".dat"))
                           .string();
    CStrcDoc doc;
    Fill(doc);
    ASSERT_TRUE(doc.OnSaveDocument(path));
    CStrcDoc loaded;
    ASSERT_TRUE(loaded.OnOpenDocument(path));
    EXPECT_EQ(Store(loaded), Store(doc));

    std::filesystem::resize_file(path, 100);
    EXPECT_FALSE(loaded.OnOpenDocument(path));
    std::vector<uint8_t> bytes = Store(doc);
    int32_t count = 300;
    std::memcpy(bytes.data() + 46, &count, 4);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    EXPECT_FALSE(loaded.OnOpenDocument(path));
    EXPECT_FALSE(doc.OnSaveDocument("/nonexistent/dir/s.dat"));
    std::remove(path.c_str());
    EXPECT_EQ(frame.messages, (std::vector<std::string>{"ﾃﾞｰﾀの読み込みに失敗しました。",
                                                        "読み込むのに必要なﾒﾓﾘが足りません。",
                                                        "The game data could not be saved."}));
}

}  // namespace
