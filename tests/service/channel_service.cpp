// A loopback stand-in for the channel service. It answers as an HTTP proxy
// would, for any host, so tests point the viewer at it with http_proxy and
// leave the viewer's fixed addresses alone.
//
//   channel_service [--root DIR]
//
// Prints "PORT <n>" once it listens on 127.0.0.1, then one line per request:
// "REQUEST <monotonic µs> <method> <absolute URI>". A file DIR/<path> replaces
// the built-in page at that path.
#include <glib-unix.h>
#include <libsoup/soup.h>

#include <csignal>
#include <cstdio>
#include <string>

#include "tests/service/pages.h"

namespace {

std::string gRoot;

void logLine(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

bool serveFile(SoupServerMessage* msg, const char* path) {
  if (gRoot.empty() || std::string(path).find("..") != std::string::npos) return false;
  gchar* contents = nullptr;
  gsize length = 0;
  const std::string file = gRoot + path;
  if (!g_file_get_contents(file.c_str(), &contents, &length, nullptr)) return false;
  const bool html = g_str_has_suffix(path, ".html") || g_str_has_suffix(path, ".asp");
  soup_server_message_set_response(msg, html ? "text/html; charset=utf-8" : "application/octet-stream",
                                   SOUP_MEMORY_TAKE, contents, length);
  soup_server_message_set_status(msg, SOUP_STATUS_OK, nullptr);
  return true;
}

void handle(SoupServer*, SoupServerMessage* msg, const char* path, GHashTable* query, gpointer) {
  gchar* uri = g_uri_to_string(soup_server_message_get_uri(msg));
  logLine("REQUEST " + std::to_string(g_get_monotonic_time()) + " " + soup_server_message_get_method(msg) +
          " " + uri);
  g_free(uri);
  if (serveFile(msg, path)) return;
  const zentavi::test::Page page = zentavi::test::builtInPage(path, query);
  if (page.body.empty()) {
    soup_server_message_set_status(msg, SOUP_STATUS_NOT_FOUND, nullptr);
    return;
  }
  soup_server_message_set_response(msg, page.contentType.c_str(), SOUP_MEMORY_COPY, page.body.data(),
                                   page.body.size());
  soup_server_message_set_status(msg, SOUP_STATUS_OK, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; i += 2)
    if (std::string(argv[i]) == "--root") gRoot = argv[i + 1];
  SoupServer* server = soup_server_new("server-header", "zentavi-channel-service", nullptr);
  soup_server_add_handler(server, nullptr, handle, nullptr, nullptr);
  GError* error = nullptr;
  GInetAddress* loopback = g_inet_address_new_loopback(G_SOCKET_FAMILY_IPV4);
  GSocketAddress* address = g_inet_socket_address_new(loopback, 0);
  if (!soup_server_listen(server, address, static_cast<SoupServerListenOptions>(0), &error)) {
    std::fprintf(stderr, "channel_service: %s\n", error->message);
    return 1;
  }
  GSList* uris = soup_server_get_uris(server);
  logLine("PORT " + std::to_string(g_uri_get_port(static_cast<GUri*>(uris->data))));
  g_slist_free_full(uris, reinterpret_cast<GDestroyNotify>(g_uri_unref));
  GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
  auto quit = [](gpointer l) -> gboolean {
    g_main_loop_quit(static_cast<GMainLoop*>(l));
    return G_SOURCE_REMOVE;
  };
  g_unix_signal_add(SIGTERM, quit, loop);
  g_unix_signal_add(SIGINT, quit, loop);
  g_main_loop_run(loop);
  return 0;
}
