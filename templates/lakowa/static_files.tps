vendor
fonts
css/typography.css
css/vendor-icons.css
css/print.css
images/klos.svg
favicon.ico
