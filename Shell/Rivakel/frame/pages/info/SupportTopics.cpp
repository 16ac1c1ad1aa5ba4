#include "frame/pages/info/SupportTopics.h"

#include <array>
#include <cstddef>

namespace {

constexpr int kFirstOverview = 101;
constexpr int kLastOverview = 107;
constexpr int kFirstSection = 2;
// Questions per section, from section 2.
constexpr std::array<int, 6> kSectionSizes = {3, 5, 5, 6, 3, 4};

int SectionSize(int section) {
    const int index = section - kFirstSection;
    return index >= 0 && index < static_cast<int>(kSectionSizes.size()) ? kSectionSizes[static_cast<size_t>(index)] : 0;
}

int FirstOf(int section) { return 100 + 10 * section; }
int LastOf(int section) { return FirstOf(section) + SectionSize(section) - 1; }

bool IsQuestion(int topic) {
    if (topic < support_topic::kFirstQuestion || topic > support_topic::kLastQuestion) return false;
    const int section = (topic % 100) / 10;
    return topic % 10 < SectionSize(section);
}

}  // namespace

bool IsSupportTopic(int topic) { return (topic >= kFirstOverview && topic <= kLastOverview) || IsQuestion(topic); }

SupportTopic ResolveSupportTopic(int topic) {
    if (!IsSupportTopic(topic)) topic = support_topic::kMain;
    SupportTopic shown;
    shown.topic = topic;
    shown.bodyId = topic;
    if (!IsQuestion(topic)) {
        shown.titleId = topic + 200;
        return shown;
    }
    const int section = (topic % 100) / 10;
    shown.titleId = 300 + section;
    shown.questionId = topic + 200;
    if (topic != support_topic::kFirstQuestion) shown.previous = topic == FirstOf(section) ? LastOf(section - 1) : topic - 1;
    if (topic != support_topic::kLastQuestion) shown.next = topic == LastOf(section) ? FirstOf(section + 1) : topic + 1;
    return shown;
}
