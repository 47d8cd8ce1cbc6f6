#pragma once
// Checks of refused access need a user that the file system refuses, and
// root reads and writes everything. Run as root (as CI does), such a check
// runs in a child process that has given root up for the user "nobody".

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>

namespace lyrova::testing {

// Runs `body` here when the tests run unprivileged; as root, in a child
// that first hands `folders` (and everything in them) to nobody, then
// becomes nobody. The child prints its failures; they fail the calling test.
inline void AsUnprivilegedUser(const std::function<void()>& body,
                               std::initializer_list<std::string> folders = {}) {
  if (::geteuid() != 0) {
    body();
    return;
  }
  const passwd* nobody = ::getpwnam("nobody");
  ASSERT_NE(nobody, nullptr) << "no user nobody to run the check as";
  const group* nogroup = ::getgrnam("nogroup");
  const uid_t uid = nobody->pw_uid;
  const gid_t gid = nogroup ? nogroup->gr_gid : nobody->pw_gid;
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    for (const std::string& folder : folders) {
      std::error_code ec;
      [[maybe_unused]] const int rc = ::lchown(folder.c_str(), uid, gid);
      for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec)) {
        [[maybe_unused]] const int each = ::lchown(entry.path().c_str(), uid, gid);
      }
    }
    if (::setgroups(0, nullptr) != 0 || ::setresgid(gid, gid, gid) != 0 || ::setresuid(uid, uid, uid) != 0) {
      std::fprintf(stderr, "cannot become the user nobody\n");
      ::_exit(3);
    }
    body();
    std::fflush(nullptr);
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "the check run as the user nobody failed (wait status " << status << ")";
}

}  // namespace lyrova::testing
