Pebble Portfolio
Quorlex Sample Templates
Version 1.0 - simple portfolio page with a vertical menu
