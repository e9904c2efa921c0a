// Entry of the end-to-end driver. A watchdog ends the driver when one test runs far longer than
// any should, naming it, so a hang in the program under test fails fast instead of at the
// test runner's timeout.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

class Watchdog : public ::testing::EmptyTestEventListener {
public:
    explicit Watchdog(std::chrono::seconds limit) : m_limit(limit)
    {
        std::thread([this] { Watch(); }).detach();
    }

    void OnTestStart(const ::testing::TestInfo& test) override
    {
        m_name = std::string(test.test_suite_name()) + "." + test.name();
        m_started = Clock::now().time_since_epoch().count();
        m_running = true;
    }
    void OnTestEnd(const ::testing::TestInfo&) override { m_running = false; }

private:
    void Watch()
    {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const auto started = Clock::time_point(Clock::duration(m_started.load()));
            if (m_running && Clock::now() - started > m_limit) {
                std::fprintf(stderr, "\n%s has run for more than %lld s: ending the driver\n", m_name.c_str(),
                             static_cast<long long>(m_limit.count()));
                std::fflush(stderr);
                TerminateProcess(GetCurrentProcess(), 3);
            }
        }
    }

    const std::chrono::seconds m_limit;
    std::string m_name;
    std::atomic<Clock::rep> m_started{0};
    std::atomic<bool> m_running{false};
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog(std::chrono::seconds(90)));
    return RUN_ALL_TESTS();
}
