#include "filter/Catalogue.h"

#include "tests/PluralPhrases.h"
#include "text/PrintableForm.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace vellum::filter {
namespace {

// The refusal of a printable text whose length no printable text has, as the line layer makes
// it, told for `count` characters.
text::Message lengthRefusal(unsigned long count) {
    try {
        text::Unwrap("vm9_1234");
    } catch (const text::DamagedForm& damaged) {
        text::Message message = damaged.Why();
        message.count = count;
        message.arguments = {std::to_string(count)};
        return message;
    }
    throw std::logic_error("a printable text of 8 characters was unwrapped");
}

void chooseLanguage(const char* language) {
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    ::setenv("LANG", "en_US.UTF-8", 1);
    ::setenv("LANGUAGE", language, 1);
    OpenCatalogue(VELLUM_LOCALE_DIR);
}

TEST(CatalogueTest, CountsTakeThePluralFormOfTheirLanguage) {
    for (const tests::PluralPhrase& row : tests::PluralPhrases(VELLUM_PLURAL_PHRASES)) {
        chooseLanguage(row.language.c_str());
        const std::string said = Translated(lengthRefusal(row.count));
        EXPECT_TRUE(tests::SaysInWords(said, row.phrase))
            << row.language << ", " << row.count << ": " << said;
    }
}

TEST(CatalogueTest, EnglishHasOneFormForEveryCount) {
    chooseLanguage("en");
    for (const unsigned long count : {0UL, 1UL, 2UL, 21UL})
        EXPECT_EQ(Translated(lengthRefusal(count)),
                  "The printable text is damaged: it has " + std::to_string(count) +
                      " characters, a length no printable text has. Nothing was decrypted.");
}

} // namespace
} // namespace vellum::filter
