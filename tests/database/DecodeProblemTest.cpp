// Why an image does not decode.

#include "BigEndian.h"
#include "ExchangeImages.h"

#include <gtest/gtest.h>

TEST(DecodeProblem, TheFirstProblemFoundIsNamed)
{
    struct Case {
        std::vector<uint8_t> image;
        DecodeProblem problem;
        int table;
    };
    std::vector<uint8_t> tooMany = ImageBuilder().Build();
    const uint32_t tv = ImageBuilder().DirectoryBlockOffset() + 2 * 24;
    ASSERT_EQ(ReadBE32(tooMany.data() + tv + 4), uint32_t(TABLE_TV));
    WriteBE32(tooMany.data() + tv + 8, MAX_TV + 1);
    ImageBuilder programs;
    for (uint16_t p = 0; p < MAX_TV; ++p)
        programs.AddTv(MakeProgram(1, 1, p, "TV", 0x100));
    programs.AddRadio(MakeProgram(1, 1, 0, "RADIO", 0));
    const Case cases[] = {
        { std::vector<uint8_t>(IMAGE_SIZE), DecodeProblem::NoSignature, -1 },
        { ImageBuilder().SignatureAt(4).Build(), DecodeProblem::SignatureAtFour, -1 },
        { ImageBuilder().SignatureAt(IMAGE_SIZE - 8).Build(), DecodeProblem::NoDirectoryMagic, -1 },
        { ImageBuilder().WithoutMarker().Build(), DecodeProblem::NoBlockMarker, -1 },
        { tooMany, DecodeProblem::TableTooLarge, TABLE_TV },
        { programs.Build(), DecodeProblem::TooManyPrograms, -1 },
        { ImageBuilder().Build(), DecodeProblem::None, -1 },
    };
    for (const Case& c : cases) {
        const auto db = Decoded(c.image);
        EXPECT_EQ(db->m_DecodeProblem, c.problem) << DecodeProblemText(c.problem);
        EXPECT_EQ(db->m_nProblemTable, c.table);
    }
}
