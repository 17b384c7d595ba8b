#include "tests/service/pages.h"

#include <cstring>

namespace zentavi::test {
namespace {

const char* queryValue(GHashTable* query, const char* key) {
  return query ? static_cast<const char*>(g_hash_table_lookup(query, key)) : nullptr;
}

// Each channel opens in a new window, as the real service's list does. Tall
// block links make easy targets for a pointer.
std::string listPage() {
  std::string html =
      "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>频道列表</title><style>"
      "body{margin:0;background:" +
      std::string(kListColour) +
      ";font:14px sans-serif}"
      "a{display:block;height:60px;line-height:60px;color:#fff;text-decoration:none;padding-left:8px;"
      "border-bottom:1px solid #1b5e20}"
      "</style></head><body><div style=\"height:30px\"></div>";
  const char* names[] = {"新闻频道", "体育频道", "电影频道"};
  for (int id = 1; id <= 3; ++id)
    html += "<a id=\"channel" + std::to_string(id) +
            "\" href=\"http://live.zentavi.example/play.asp?id=" + std::to_string(id) +
            "\" target=\"_blank\">" + names[id - 1] + "</a>";
  html +=
      "<script>"
      "function report(e){new Image().src='/report?event='+e+'&t='+Date.now();}"
      // The engine may fire focus twice for one change: report changes only.
      "var focused=false;"
      "function track(now){if(now!==focused){focused=now;report(now?'list-focus':'list-blur');}}"
      "window.addEventListener('focus',function(){track(true)});"
      "window.addEventListener('blur',function(){track(false)});"
      "document.addEventListener('mousedown',function(){report('list-click')});"
      "document.addEventListener('mouseover',function(e){var a=e.target.closest('a');"
      "report('list-hover&link='+(a?a.id:'none'))});"
      "window.addEventListener('load',function(){report('list-ready')});"
      "</script></body></html>";
  return html;
}

// A channel plays a looping clip and tells the service when it plays. It
// also holds what a page of its own would keep from others (a variable and a
// cookie), and two ways of opening a pop-up by a click.
std::string channelPage(const char* id) {
  const std::string channel = id ? id : "0";
  return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>频道 " + channel +
         "</title><style>body{margin:0;background:" + std::string(kChannelColour) +
         ";color:#fff;font:20px sans-serif}video{display:block;width:320px;height:240px;background:#000}"
         "a,button{display:block;height:60px;width:300px;margin:4px}</style></head><body>"
         "<video id=\"video\" src=\"/clip.webm\" autoplay muted loop playsinline></video>"
         "<a id=\"popup-link\" href=\"http://live.zentavi.example/popup.html\" target=\"_blank\">弹出链接</a>"
         "<button id=\"popup-button\" "
         "onclick=\"window.open('http://live.zentavi.example/popup.html')\">弹出窗口</button>"
         "<button id=\"fullscreen-button\" "
         "onclick=\"document.getElementById('video').requestFullscreen()\">全屏</button>"
         "<script>var secret='channel-secret-" +
         channel + "';document.cookie='session=cookie-" + channel +
         "';"
         "function report(e){new Image().src='/report?event='+e+'&id=" +
         channel +
         "&t='+Date.now();}"
         "document.getElementById('video').addEventListener('playing',function(){report('playing')});"
         "window.addEventListener('load',function(){report('channel-ready')});"
         "</script></body></html>";
}

}  // namespace

Page builtInPage(const char* path, GHashTable* query) {
  const std::string html = "text/html; charset=utf-8";
  if (std::strcmp(path, "/index.asp") == 0) return {html, listPage()};
  if (std::strcmp(path, "/play.asp") == 0) return {html, channelPage(queryValue(query, "id"))};
  if (std::strcmp(path, "/report") == 0) return {"text/plain", "ok"};
  if (std::strcmp(path, "/popup.html") == 0) return {html, "<html><body>popup</body></html>"};
  return {};
}

}  // namespace zentavi::test
