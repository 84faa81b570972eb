harbor
pebble
