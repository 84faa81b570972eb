Harbor Cafe &amp; Sailing
Quorlex Sample Templates
Version 1.0 - one-page site with a horizontal drop-down menu
