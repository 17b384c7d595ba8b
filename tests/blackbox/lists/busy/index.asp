<!DOCTYPE html><html><head><meta charset="utf-8"><style>body{margin:0;background:#2e7d32;font:14px sans-serif}a{display:block;height:60px;line-height:60px;color:#fff;padding-left:8px}</style></head><body><div style="height:30px"></div>
<!-- A click hangs the page's web process for good. -->
<a id="channel1" href="#" onclick="for(;;){}">卡住</a>
<script>function report(e){new Image().src="/report?event="+e+"&t="+Date.now();}document.addEventListener("mouseover",function(e){var a=e.target.closest("a");report("list-hover&link="+(a?a.id:"none"))});window.addEventListener("load",function(){report("list-ready")});</script></body></html>
