"""The thread-suite rule: a thread belongs to the test or fixture above it."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

from check_thread_suites import threads_outside_suites  # noqa: E402


class ThreadSuites(unittest.TestCase):
    def test_threads_in_threads_suites_and_their_fixtures_pass(self):
        text = (
            "#include <thread>\n"
            "class HeldThreads : public ::testing::Test {\n"
            "  void SetUp() override { t = std::thread([] {}); }\n"
            "};\n"
            "TEST(GateThreads, Overlap) { std::thread a(f); }\n"
            "TEST_F(HeldThreads, Pause) { std::this_thread::yield(); }\n")
        self.assertEqual(threads_outside_suites(text), [])

    def test_threads_elsewhere_are_found_with_their_line(self):
        text = (
            "void Helper() { auto f = std::async(g); }\n"
            "TEST(GateThreads, Overlap) { std::thread a(f); }\n"
            "TEST(Gate, Closed) {\n"
            "  // std::thread in a comment does not count\n"
            "  std::jthread b(f);\n"
            "}\n")
        self.assertEqual(threads_outside_suites(text), [(1, None), (5, "Gate")])


if __name__ == "__main__":
    unittest.main()
