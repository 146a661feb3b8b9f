// The bank's content: the texts a pupil reads must survive byte for byte.
#include "quiz/question_bank.h"

#include <gtest/gtest.h>

#include <set>

namespace zelvarin {
namespace {

TEST(QuestionBank, KeysAreDistributedAsTheQuizExpects)
{
    std::string keys;
    for (const Question &q : QuestionBank)
        keys += q.key == "aa" ? 'a' : q.key == "bb" ? 'b' : q.key == "cc" ? 'c' : '?';
    EXPECT_EQ(keys, "abbcaacbbacabccbb");
}

TEST(QuestionBank, LabelNamesAndScreenshotsAreUnique)
{
    std::set<std::string_view> labels;
    std::set<std::string_view> pictures;
    for (const Question &q : QuestionBank) {
        labels.insert(q.labelName);
        pictures.insert(q.screenshot);
        EXPECT_GT(q.screenshotWidth, 0);
        EXPECT_GT(q.screenshotHeight, 0);
    }
    EXPECT_EQ(labels.size(), QuestionBank.size());
    EXPECT_EQ(pictures.size(), QuestionBank.size());
    EXPECT_EQ(QuestionBank[0].labelName, "Label12");
    EXPECT_EQ(QuestionBank[16].labelName, "Label13");
}

TEST(QuestionBank, ScreenshotDescriptionsNameWhatTheAnswersMention)
{
    // A pupil who cannot see the picture must still meet the names the answers use.
    const std::array<std::pair<int, std::string_view>, 9> named{{{0, "Document2"},
                                                                 {2, "Doc1"},
                                                                 {3, "Install"},
                                                                 {4, "SPFile6.doc"},
                                                                 {8, "Tirmeka.doc"},
                                                                 {8, "RVT"},
                                                                 {9, "Doc1"},
                                                                 {13, "Doc1"},
                                                                 {15, "Document.abc"}}};
    for (const auto &[question, name] : named) {
        EXPECT_NE(QuestionBank[static_cast<std::size_t>(question)].screenshotDescription.find(name),
                  std::string_view::npos)
            << "question " << question << " lacks " << name;
    }
    for (const Question &q : QuestionBank)
        EXPECT_FALSE(q.screenshotDescription.empty()) << q.labelName;
}

TEST(QuestionBank, SpacingIsKeptExactly)
{
    for (OptionName n : kOptionNames)
        EXPECT_TRUE(QuestionBank[0].option(n).ends_with(". ")) << nameOf(n);
    EXPECT_NE(QuestionBank[0].option(OptionName::cc).find("файла  Document2"), std::string::npos);
    EXPECT_TRUE(QuestionBank[7].questionLine.ends_with("устройство? "));
    EXPECT_EQ(QuestionBank[11].questionLine, "Диалоговият   прозорец   се   отваря   при:");
    EXPECT_TRUE(QuestionBank[15].option(OptionName::bb).starts_with("Windows  не открива"));
}

TEST(QuestionBank, QuotesAndLatinLettersAreKept)
{
    EXPECT_EQ(QuestionBank[2].option(OptionName::bb),
              "файлът е с включен атрибут \"само за четене\";");
    // Question 9 ends in a Latin e (one byte, 0x65), not the Cyrillic е (two bytes).
    const std::string_view line = QuestionBank[9].questionLine;
    EXPECT_TRUE(line.ends_with(" Doc1 e:"));
    EXPECT_EQ(line.substr(line.size() - 2), "\x65:");
}

TEST(QuestionBank, SharedQuestionLineStillMeansTwoQuestions)
{
    EXPECT_EQ(QuestionBank[3].questionLine, QuestionBank[13].questionLine);
    EXPECT_NE(QuestionBank[3].option(OptionName::aa), QuestionBank[13].option(OptionName::aa));
    EXPECT_NE(QuestionBank[3].screenshot, QuestionBank[13].screenshot);
}

TEST(QuestionBank, CopyAndMoveBrowsersHaveMirroredKeys)
{
    EXPECT_EQ(QuestionBank[10].key, "cc");
    EXPECT_EQ(QuestionBank[11].key, "aa");
    EXPECT_TRUE(QuestionBank[10].option(OptionName::cc).starts_with("копиране"));
    EXPECT_TRUE(QuestionBank[11].option(OptionName::aa).starts_with("преместване"));
}

} // namespace
} // namespace zelvarin
