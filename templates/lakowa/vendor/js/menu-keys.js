/* Piekarnia Łąkowa: Esc zwija otwartą listę menu albo menu na telefonie.
   Menu działa i bez tego pliku; skrypt tylko ułatwia obsługę klawiaturą. */
(function () {
	"use strict";

	var COLLAPSED = "menu_zwiniete";

	function collapse(item) {
		item.classList.add(COLLAPSED);
		var link = item.querySelector("a");
		if (link)
			link.focus();
	}

	function onKeyDown(event) {
		if (event.key !== "Escape" && event.key !== "Esc")
			return;
		var nav = document.getElementById("navigation");
		var toggle = document.getElementById("menu_przelacznik");
		if (!nav)
			return;
		if (toggle && toggle.checked && window.getComputedStyle(toggle).display !== "none") {
			toggle.checked = false;
			toggle.focus();
			return;
		}
		var active = document.activeElement;
		if (!active || !nav.contains(active) || active.tagName !== "A")
			return;
		var item = active.parentElement;
		if (item.classList.contains("dropdown") && !item.classList.contains(COLLAPSED)) {
			collapse(item);
			return;
		}
		var list = item.parentElement ? item.parentElement.closest("ul.dropdown-menu") : null;
		if (list && list.parentElement)
			collapse(list.parentElement);
	}

	function reopen(event) {
		var nav = document.getElementById("navigation");
		if (!nav)
			return;
		var items = nav.querySelectorAll("li." + COLLAPSED);
		for (var i = 0; i < items.length; i++) {
			if (event.type === "mouseover" ? items[i].contains(event.target)
			                               : !items[i].contains(event.relatedTarget))
				items[i].classList.remove(COLLAPSED);
		}
	}

	document.addEventListener("keydown", onKeyDown);
	document.addEventListener("focusout", reopen);
	document.addEventListener("mouseover", reopen);
})();
