<!DOCTYPE html><html><head><meta charset="utf-8"><style>body{margin:0;background:#2e7d32;font:14px sans-serif}a{display:block;height:60px;line-height:60px;color:#fff;padding-left:8px}</style></head><body><div style="height:30px"></div>
<!-- The list itself asks for fullscreen: it must be refused. -->
<a id="channel1" href="#" onclick="askFullscreen();return false">全屏列表</a>
<script>
// A view without fullscreen offers no such call; one that has it may say no.
function askFullscreen(){var e=document.documentElement;if(!e.requestFullscreen){report('fullscreen-refused');return;}
e.requestFullscreen().then(function(){report('fullscreen-granted')},function(){report('fullscreen-refused')});}
function report(e){new Image().src="/report?event="+e+"&t="+Date.now();}document.addEventListener("mouseover",function(e){var a=e.target.closest("a");report("list-hover&link="+(a?a.id:"none"))});window.addEventListener("load",function(){report("list-ready")});</script></body></html>
