// A loopback stand-in for the channel service. It answers as an HTTP proxy
// would, for any host, so tests point the viewer at it with http_proxy and
// leave the viewer's fixed addresses alone.
//
//   channel_service [--root DIR] [--clip FILE]
//
// Prints "PORT <n>" once it listens on 127.0.0.1, then one line per request:
// "REQUEST <monotonic µs> <method> <absolute URI>". A file DIR/<path> replaces
// the built-in page at that path; /clip.webm is FILE (by default the clip the
// build made), served with byte ranges as media players ask for them.
#include <glib-unix.h>
#include <libsoup/soup.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/service/pages.h"

namespace {

std::string gRoot;
std::string gClip = DEFAULT_CLIP_PATH;

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

// The whole file, or the one byte range asked for.
void serveClip(SoupServerMessage* msg) {
  gchar* contents = nullptr;
  gsize length = 0;
  if (!g_file_get_contents(gClip.c_str(), &contents, &length, nullptr)) {
    soup_server_message_set_status(msg, SOUP_STATUS_NOT_FOUND, nullptr);
    return;
  }
  SoupMessageHeaders* request = soup_server_message_get_request_headers(msg);
  SoupMessageHeaders* response = soup_server_message_get_response_headers(msg);
  soup_message_headers_replace(response, "Accept-Ranges", "bytes");
  SoupRange* ranges = nullptr;
  int count = 0;
  if (soup_message_headers_get_ranges(request, static_cast<goffset>(length), &ranges, &count) && count == 1) {
    const auto start = static_cast<gsize>(ranges[0].start), end = static_cast<gsize>(ranges[0].end);
    soup_message_headers_free_ranges(request, ranges);
    soup_message_headers_set_content_range(response, static_cast<goffset>(start), static_cast<goffset>(end),
                                           static_cast<goffset>(length));
    soup_server_message_set_response(msg, "video/webm", SOUP_MEMORY_COPY, contents + start, end - start + 1);
    soup_server_message_set_status(msg, SOUP_STATUS_PARTIAL_CONTENT, nullptr);
    g_free(contents);
    return;
  }
  if (ranges) soup_message_headers_free_ranges(request, ranges);
  soup_server_message_set_response(msg, "video/webm", SOUP_MEMORY_TAKE, contents, length);
  soup_server_message_set_status(msg, SOUP_STATUS_OK, nullptr);
}

void handle(SoupServer*, SoupServerMessage* msg, const char* path, GHashTable* query, gpointer) {
  gchar* uri = g_uri_to_string(soup_server_message_get_uri(msg));
  logLine("REQUEST " + std::to_string(g_get_monotonic_time()) + " " + soup_server_message_get_method(msg) +
          " " + uri);
  g_free(uri);
  if (serveFile(msg, path)) return;
  if (std::strcmp(path, "/clip.webm") == 0) return serveClip(msg);
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
    if (std::string(argv[i]) == "--root")
      gRoot = argv[i + 1];
    else if (std::string(argv[i]) == "--clip")
      gClip = argv[i + 1];
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
