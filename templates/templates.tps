harbor
pebble
lakowa
