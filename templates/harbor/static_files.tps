css/print.css
csshover2.htc
favicon.ico
