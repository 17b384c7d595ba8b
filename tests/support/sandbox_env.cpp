#include "tests/support/sandbox_env.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace zentavi::test {

SandboxEnvironment::SandboxEnvironment() {
  gchar* dir = g_dir_make_tmp("zentavi-test-XXXXXX", nullptr);
  if (dir == nullptr) throw std::runtime_error("no temporary folder");
  root_ = dir;
  g_free(dir);
  namespace fs = std::filesystem;
  for (const char* sub : {"home", "config", "data", "cache", "runtime", "system-data"})
    fs::create_directories(root_ + "/" + sub);
  fs::permissions(root_ + "/runtime", fs::perms::owner_all);
  for (const char* shared : {"glib-2.0", "mime", "icons"})
    fs::create_directory_symlink(std::string("/usr/share/") + shared, root_ + "/system-data/" + shared);
}

SandboxEnvironment::~SandboxEnvironment() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

void SandboxEnvironment::registerBrowser() const {
  namespace fs = std::filesystem;
  const std::string recorder = root_ + "/record-url";
  g_file_set_contents(recorder.c_str(),
                      ("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + openedUrlsFile() + "'\n").c_str(), -1,
                      nullptr);
  fs::permissions(recorder, fs::perms::owner_all);
  fs::create_directories(root_ + "/data/applications");
  const std::string entry = "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + recorder +
                            " %u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n";
  g_file_set_contents((root_ + "/data/applications/recorder.desktop").c_str(), entry.c_str(), -1, nullptr);
  g_file_set_contents((root_ + "/config/mimeapps.list").c_str(),
                      "[Default Applications]\nx-scheme-handler/http=recorder.desktop\n"
                      "x-scheme-handler/https=recorder.desktop\n",
                      -1, nullptr);
}

std::vector<std::string> SandboxEnvironment::openedUrls() const {
  std::vector<std::string> urls;
  gchar* contents = nullptr;
  if (!g_file_get_contents(openedUrlsFile().c_str(), &contents, nullptr, nullptr)) return urls;
  gchar** lines = g_strsplit(contents, "\n", -1);
  for (gchar** l = lines; *l; ++l)
    if (**l) urls.emplace_back(*l);
  g_strfreev(lines);
  g_free(contents);
  return urls;
}

Environment SandboxEnvironment::forChild(const std::string& display, const std::string& proxy) const {
  Environment env;
  env["PATH"] = "/usr/local/bin:/usr/bin:/bin";
  env["DISPLAY"] = display;
  env["GDK_BACKEND"] = "x11";
  env["HOME"] = root_ + "/home";
  env["XDG_CONFIG_HOME"] = root_ + "/config";
  env["XDG_DATA_HOME"] = root_ + "/data";
  env["XDG_CACHE_HOME"] = root_ + "/cache";
  env["XDG_RUNTIME_DIR"] = root_ + "/runtime";
  env["XDG_DATA_DIRS"] = root_ + "/system-data";
  env["NO_AT_BRIDGE"] = "1";
  env["LANG"] = "C.UTF-8";
  if (!proxy.empty()) env["http_proxy"] = proxy;
  return env;
}

}  // namespace zentavi::test
