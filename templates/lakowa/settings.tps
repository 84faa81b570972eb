Piekarnia Łąkowa – Łódź
Quorlex Sample Templates
Wersja 1.0 – strona piekarni z kawiarnią w UTF-8: arkusze w css/, własna czcionka, menu na telefon i klawiaturę
