<!DOCTYPE html><html><head><meta charset="utf-8"><style>body{margin:0;background:#2e7d32;font:14px sans-serif}a{display:block;height:60px;line-height:60px;color:#fff;padding-left:8px}</style></head><body><div style="height:30px"></div>
<!-- The link's click submits a form that targets a new window. -->
<form id="f" action="http://live.zentavi.example/play.asp" target="_blank"><input type="hidden" name="id" value="4"></form>
<a id="channel1" href="http://live.zentavi.example/play.asp?id=4" onclick="document.getElementById('f').submit();return false">表单频道</a>
<script>function report(e){new Image().src="/report?event="+e+"&t="+Date.now();}document.addEventListener("mouseover",function(e){var a=e.target.closest("a");report("list-hover&link="+(a?a.id:"none"))});window.addEventListener("load",function(){report("list-ready")});</script></body></html>
