// The Support page's topics: which strings a topic shows and where its Previous and Next lead.
// Topics 101 to 107 are overviews; the questions are grouped in sections 2 to 7, question q of
// section s being topic 100 + 10 s + q.
#pragma once

namespace support_topic {
inline constexpr int kMain = 101;
inline constexpr int kFirstQuestion = 120;
inline constexpr int kLastQuestion = 173;
// The answer that shows the user's own name, session and installation beside it.
inline constexpr int kUserFacts = 160;
}  // namespace support_topic

struct SupportTopic {
    int topic = support_topic::kMain;
    int titleId = 301;
    int questionId = 0;  // 0 for an overview
    int bodyId = 101;
    int previous = 0;  // 0: none
    int next = 0;      // 0: none
    bool IsQuestion() const { return questionId != 0; }
};

// The topic as shown: a topic that is neither an overview nor a question with an answer
// (link ids, gaps between sections, anything out of range) shows the main overview.
SupportTopic ResolveSupportTopic(int topic);
// Whether the topic is one the Support page has strings for.
bool IsSupportTopic(int topic);
