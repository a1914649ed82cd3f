#include "ui/language.h"

#include <gtest/gtest.h>

namespace sky {
namespace {

TEST(Language, PrimaryLanguageAloneDecides) {
    for (const char* german : {"de", "de_DE", "de_AT.UTF-8", "de_CH@euro", "de-LU", "DE_de"})
        EXPECT_EQ(LanguageIdFromLocale(german), 1000) << german;
    for (const char* portuguese : {"pt", "pt_BR", "pt_PT.UTF-8", "por"})
        EXPECT_EQ(LanguageIdFromLocale(portuguese), 3000) << portuguese;
    // Neither a country code nor a language merely starting with the same letters counts.
    for (const char* other : {"en_US", "fr_FR.UTF-8", "es_PT", "en_DE", "dsb_DE", "ptx", "C", "POSIX", ""})
        EXPECT_EQ(LanguageIdFromLocale(other), 2000) << other;
}

}  // namespace
}  // namespace sky
