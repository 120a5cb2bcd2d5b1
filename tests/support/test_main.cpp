// main() for the test programs. On Windows, GoogleTest's default printer also
// sends every failure to OutputDebugStringA; Wine raises an exception for that
// (DBG_PRINTEXCEPTION_C) whose unwinding crashes 32-bit programs run through
// qemu-i386, so the first failed assertion killed the whole test program. This
// main keeps the default printer for everything but the failure messages,
// which it prints the same way without OutputDebugStringA.
#include <cstdio>
#include <memory>

#include <gtest/gtest.h>

namespace {

class FailurePrinter : public ::testing::TestEventListener
{
public:
    explicit FailurePrinter(::testing::TestEventListener* inner) : m_inner(inner) {}

    void OnTestProgramStart(const ::testing::UnitTest& u) override { m_inner->OnTestProgramStart(u); }
    void OnTestIterationStart(const ::testing::UnitTest& u, int i) override { m_inner->OnTestIterationStart(u, i); }
    void OnEnvironmentsSetUpStart(const ::testing::UnitTest& u) override { m_inner->OnEnvironmentsSetUpStart(u); }
    void OnEnvironmentsSetUpEnd(const ::testing::UnitTest& u) override { m_inner->OnEnvironmentsSetUpEnd(u); }
    void OnTestSuiteStart(const ::testing::TestSuite& s) override { m_inner->OnTestSuiteStart(s); }
#ifndef GTEST_REMOVE_LEGACY_TEST_CASEAPI_
    void OnTestCaseStart(const ::testing::TestCase& c) override { m_inner->OnTestCaseStart(c); }
    void OnTestCaseEnd(const ::testing::TestCase& c) override { m_inner->OnTestCaseEnd(c); }
#endif
    void OnTestStart(const ::testing::TestInfo& t) override { m_inner->OnTestStart(t); }
    void OnTestPartResult(const ::testing::TestPartResult& r) override
    {
        if (r.type() == ::testing::TestPartResult::kSuccess)
            return;
        const char* kind = r.type() == ::testing::TestPartResult::kSkip ? "Skipped" : "Failure";
        if (r.file_name())
            printf("%s:%d: %s\n%s\n", r.file_name(), r.line_number(), kind, r.message());
        else
            printf("%s\n%s\n", kind, r.message());
        fflush(stdout);
    }
    void OnTestEnd(const ::testing::TestInfo& t) override { m_inner->OnTestEnd(t); }
    void OnTestSuiteEnd(const ::testing::TestSuite& s) override { m_inner->OnTestSuiteEnd(s); }
    void OnEnvironmentsTearDownStart(const ::testing::UnitTest& u) override { m_inner->OnEnvironmentsTearDownStart(u); }
    void OnEnvironmentsTearDownEnd(const ::testing::UnitTest& u) override { m_inner->OnEnvironmentsTearDownEnd(u); }
    void OnTestIterationEnd(const ::testing::UnitTest& u, int i) override { m_inner->OnTestIterationEnd(u, i); }
    void OnTestProgramEnd(const ::testing::UnitTest& u) override { m_inner->OnTestProgramEnd(u); }

private:
    std::unique_ptr<::testing::TestEventListener> m_inner;
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
    ::testing::TestEventListener* printer = listeners.Release(listeners.default_result_printer());
    if (printer)
        listeners.Append(new FailurePrinter(printer));
    return RUN_ALL_TESTS();
}
