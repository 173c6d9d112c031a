// What the print progress window says as pages go: the page, and once a few
// pages have gone, the time left in plain words.

#include "print/PrintProgress.h"
#include "support/Messages.h"

#include <gtest/gtest.h>

TEST(PrintProgress, TellsThePageAndOnceAFewHaveGoneTheTimeLeft)
{
    struct Case {
        qint32 sent, total;
        qint64 elapsedMs;
        const char* shown;
    };
    const Case cases[] = {{1, 78, 500, "page 1 of 78"},                                   // too early to tell
                          {2, 78, 60000, "page 2 of 78"},                                 // still too early
                          {3, 78, 3000, "page 3 of 78\nabout a minute left"},             // 75 s
                          {10, 78, 20000, "page 10 of 78\nabout 2 minutes left"},         // 136 s
                          {5, 10000, 5000, "page 5 of 10000\nabout 3 hours left"},        // 9995 s
                          {78, 78, 156000, "page 78 of 78\nless than a minute left"},     // done
                          {3, 78, 0, "page 3 of 78\nless than a minute left"},            // a fast printer
                          {40, 1000, 40 * 60000, "page 40 of 1000\nabout 16 hours left"}, // a minute a page
                          {3, 93, 3000, "page 3 of 93\nabout 2 minutes left"},            // 90 s
                          {3, 93, 178000, "page 3 of 93\nabout 89 minutes left"},
                          {3, 93, 180000, "page 3 of 93\nabout 2 hours left"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Messages::printProgressWithTime(c.sent, c.total, printSecondsLeft(c.sent, c.total, c.elapsedMs)),
                  QString::fromUtf8(c.shown))
            << c.sent << " of " << c.total;
    }
}
