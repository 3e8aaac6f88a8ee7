<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Borrow</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Hier borgen Sie Credits oder zahlen sie zurück</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <translation>%1 Credits</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Geborgt:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Credits borgen</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Credits zurückzahlen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Sie haben keine %1 Credits!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Sie können nicht mehr Credits zurückzahlen, als Sie geborgt haben!</translation>
    </message>
    <message>
        <source>The house cannot lend you that much: the machine cannot count past %1 credits.</source>
        <translation>So viel kann Ihnen das Haus nicht leihen: Der Automat zählt nicht über %1 Credits hinaus.</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).</source>
        <translation>In diesem Fenster borgen Sie Credits oder zahlen früher geborgte Credits zurück.  Klicken Sie auf den Chip mit dem Betrag, den Sie borgen (oder zurückzahlen) möchten.</translation>
    </message>
    <message>
        <source>To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Zwischen „Borgen“ und „Zurückzahlen“ wechseln Sie über den Modus.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Vexlor Slots, a three-reel slot machine played for credits.</source>
        <translation>Vexlor Slots, ein Spielautomat mit drei Walzen, gespielt um Credits.</translation>
    </message>
    <message>
        <source>Print the folders the game reads its files from and where it finds its manual, cues, tunes and audio module, then end: 0 when every file was found.</source>
        <translation>Gibt die Ordner aus, aus denen das Spiel seine Dateien liest, und wo es Handbuch, Klänge, Melodien und Audiomodul findet, und endet dann: mit 0, wenn jede Datei gefunden wurde.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The manual is missing&lt;/h2&gt;&lt;p&gt;The help for this game is read from &lt;tt&gt;%1&lt;/tt&gt;, which %2. Reinstall the game to bring it back.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Das Handbuch fehlt&lt;/h2&gt;&lt;p&gt;Die Hilfe zu diesem Spiel wird aus &lt;tt&gt;%1&lt;/tt&gt; gelesen, doch diese Datei %2. Installieren Sie das Spiel neu, um sie wiederherzustellen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>is not there</source>
        <translation>ist nicht vorhanden</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Kein Treffer</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Hilfe zu %1</translation>
    </message>
</context>
<context>
    <name>LastPlays</name>
    <message>
        <source>Credits after the last spin</source>
        <translation>Credits nach dem letzten Spiel</translation>
    </message>
    <message>
        <source>Credits over the last %1 spins</source>
        <translation>Credits über die letzten %1 Spiele</translation>
    </message>
    <message>
        <source>No spins yet</source>
        <translation>Noch keine Spiele</translation>
    </message>
    <message>
        <source>Spin %1</source>
        <translation>Spiel %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Reels</source>
        <translation>Walzen</translation>
    </message>
    <message>
        <source>Line pay</source>
        <translation>Liniengewinn</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Bonus points</source>
        <translation>Bonuspunkte</translation>
    </message>
    <message>
        <source>Bonus prize</source>
        <translation>Bonuspreis</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1 genutzt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>These plays are from the game played before &quot;%1&quot; was opened; its own list begins with its first spin.</source>
        <translation>Diese Spiele stammen aus dem Spielstand vor dem Laden von „%1“; dessen eigene Liste beginnt mit seinem ersten Spiel.</translation>
    </message>
    <message>
        <source>No plays yet: each spin is listed here.</source>
        <translation>Noch keine Spiele: Jedes Spiel wird hier aufgeführt.</translation>
    </message>
    <message>
        <source>The last plays of this game, newest first.</source>
        <translation>Die letzten Spiele dieses Spielstands, das neueste zuerst.</translation>
    </message>
    <message>
        <source>Last Plays</source>
        <translation>Letzte Spiele</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MathCommandLine</name>
    <message>
        <source>The exact odds of Vexlor Slots, counted from the game&apos;s own reels and pay table: a readable report, or one of the forms below.</source>
        <translation>Die genauen Gewinnchancen von Vexlor Slots, aus den Walzen und dem Gewinnplan des Spiels gezählt: ein lesbarer Bericht oder eine der folgenden Formen.</translation>
    </message>
    <message>
        <source>The figures per coin count as JSON.</source>
        <translation>Die Zahlen je Münzenzahl als JSON.</translation>
    </message>
    <message>
        <source>The manual&apos;s topic on the odds and return, as HTML.</source>
        <translation>Das Kapitel des Handbuchs über Gewinnchancen und Auszahlung, als HTML.</translation>
    </message>
    <message>
        <source>The German manual&apos;s topic on the odds and return, as HTML.</source>
        <translation>Das Kapitel des deutschen Handbuchs über Gewinnchancen und Auszahlung, als HTML.</translation>
    </message>
    <message>
        <source>Give one of --json, --html and --html-de.</source>
        <translation>Nur eine der Optionen --json, --html und --html-de angeben.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Spielstand &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spielstand &amp;speichern</translation>
    </message>
    <message>
        <source>Last &amp;Plays</source>
        <translation>Letzte S&amp;piele</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <translation>&amp;Borgen</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Gewinntabelle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;%1 Manual</source>
        <translation>&amp;Handbuch zu %1</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;Über %1</translation>
    </message>
    <message>
        <source>&amp;Company Information</source>
        <translation>&amp;Firmeninformationen</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>%1 could not be rewritten without losing part of it: %2. It is kept whole as %3, and the games it held are in a new %1</source>
        <translation>%1 ließ sich nicht neu schreiben, ohne einen Teil davon zu verlieren: %2. Die Datei ist vollständig als %3 aufbewahrt, und die Spielstände darin stehen in einer neuen %1</translation>
    </message>
    <message>
        <source>%1 could not be rewritten without losing part of it: %2. It is kept whole as %3; a new %1 could not be written either, so games cannot be stored until there is room</source>
        <translation>%1 ließ sich nicht neu schreiben, ohne einen Teil davon zu verlieren: %2. Die Datei ist vollständig als %3 aufbewahrt; auch eine neue %1 ließ sich nicht schreiben, daher können Spielstände erst wieder gespeichert werden, wenn Platz ist</translation>
    </message>
    <message>
        <source>the game could not be stored anywhere: Credits %1, Borrowed %2, Spins %3, TotalBets %4, BonusWon %5, BonusPts %6, Nudges %7</source>
        <translation>das Spiel ließ sich nirgends speichern: Credits %1, Geborgt %2, Spiele %3, Einsätze gesamt %4, Bonusgewinne %5, Bonuspunkte %6, Halten %7</translation>
    </message>
    <message>
        <source>a game for this store is running already; it was brought to the front</source>
        <translation>für diesen Speicher läuft bereits ein Spiel; es wurde in den Vordergrund geholt</translation>
    </message>
    <message>
        <source>You are out of credits...better borrow some!</source>
        <translation>Ihr Guthaben ist aufgebraucht ... borgen Sie lieber etwas!</translation>
    </message>
    <message>
        <source>No bet was placed!</source>
        <translation>Es wurde kein Einsatz gesetzt!</translation>
    </message>
    <message>
        <source>No home folder was found for this user, so games cannot be stored</source>
        <translation>Für diesen Benutzer wurde kein Home-Ordner gefunden, daher können keine Spielstände gespeichert werden</translation>
    </message>
    <message>
        <source>The machine cannot count past %1 credits: %2 credit of this win could not be paid.</source>
        <translation>Der Automat zählt nicht über %1 Credits hinaus: %2 Credit dieses Gewinns konnte nicht ausgezahlt werden.</translation>
    </message>
    <message>
        <source>The machine cannot count past %1 credits: %2 credits of this win could not be paid.</source>
        <translation>Der Automat zählt nicht über %1 Credits hinaus: %2 Credits dieses Gewinns konnten nicht ausgezahlt werden.</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2, and is kept as it is</source>
        <translation>%1 kann nicht geschrieben werden: %2, und die Datei bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The last plays in %1 could not be read: %2. The file could not be set aside either, so this run keeps no list of plays.</source>
        <translation>Die letzten Spiele in %1 konnten nicht gelesen werden: %2. Die Datei ließ sich auch nicht beiseitelegen, daher führt diese Sitzung keine Liste der Spiele.</translation>
    </message>
    <message>
        <source>The last plays in %1 could not be read: %2. The file was set aside as %3 and a new list begun.</source>
        <translation>Die letzten Spiele in %1 konnten nicht gelesen werden: %2. Die Datei wurde als %3 beiseitegelegt und eine neue Liste begonnen.</translation>
    </message>
    <message>
        <source>Cannot read the sound %1; the game goes on without it</source>
        <translation>Der Klang %1 kann nicht gelesen werden; das Spiel läuft ohne ihn weiter</translation>
    </message>
    <message>
        <source>cannot play the sound %1: %2</source>
        <translation>der Klang %1 kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>%1 kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>Cannot show %1: %2</source>
        <translation>%1 kann nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>Picture too large (%1 x %2 pixels)</source>
        <translation>Bild zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>SoundRoot in %1 is the start of file names, not a path: &quot;%2&quot; is not used</source>
        <translation>SoundRoot in %1 ist der Anfang von Dateinamen, kein Pfad: „%2“ wird nicht verwendet</translation>
    </message>
    <message>
        <source>the game could not be stored in %1; it is kept whole in %2</source>
        <translation>das Spiel ließ sich nicht in %1 speichern; es ist vollständig in %2 aufbewahrt</translation>
    </message>
    <message>
        <source>no sound: %1</source>
        <translation>kein Klang: %1</translation>
    </message>
    <message>
        <source>no music: %1</source>
        <translation>keine Musik: %1</translation>
    </message>
    <message>
        <source>%1 is not the game&apos;s audio module</source>
        <translation>%1 ist nicht das Audiomodul des Spiels</translation>
    </message>
    <message>
        <source>%1 is the audio module of version %2, not of this game&apos;s %3</source>
        <translation>%1 ist das Audiomodul der Version %2, nicht der Version %3 dieses Spiels</translation>
    </message>
    <message>
        <source>no General MIDI soundfont (install timgm6mb-soundfont, or set SDL_SOUNDFONTS)</source>
        <translation>keine General-MIDI-Soundfont (installieren Sie timgm6mb-soundfont oder setzen Sie SDL_SOUNDFONTS)</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>sie ist größer als %1</translation>
    </message>
    <message>
        <source>it is not INI text</source>
        <translation>sie ist kein INI-Text</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>another program holds its lock</source>
        <translation>ein anderes Programm hält ihre Sperre</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>ihr Ordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is not JSON text</source>
        <translation>sie ist kein JSON-Text</translation>
    </message>
    <message>
        <source>it is not a list of plays</source>
        <translation>sie ist keine Liste von Spielen</translation>
    </message>
    <message>
        <source>it holds a play no spin can give</source>
        <translation>sie enthält einen Eintrag, den kein Spiel ergeben kann</translation>
    </message>
    <message>
        <source>too large for a tune</source>
        <translation>zu groß für eine Melodie</translation>
    </message>
    <message>
        <source>it is not a WAV file of three minutes at most in a form the game plays</source>
        <translation>sie ist keine WAV-Datei von höchstens drei Minuten in einer Form, die das Spiel abspielt</translation>
    </message>
    <message>
        <source>not a MIDI file</source>
        <translation>keine MIDI-Datei</translation>
    </message>
    <message>
        <source>MIDI timing in frames, which the player cannot play</source>
        <translation>MIDI-Zeitangaben in Frames, die der Player nicht abspielen kann</translation>
    </message>
    <message>
        <source>too many MIDI tracks</source>
        <translation>zu viele MIDI-Spuren</translation>
    </message>
    <message>
        <source>MIDI file cut short</source>
        <translation>MIDI-Datei abgeschnitten</translation>
    </message>
    <message>
        <source>the sound device refuses it</source>
        <translation>das Audiogerät lehnt ihn ab</translation>
    </message>
</context>
<context>
    <name>Payoffs</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Gewinntabelle</translation>
    </message>
</context>
<context>
    <name>Save</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>OK, game slot %1</source>
        <translation>OK, Speicherplatz %1</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Spielstand speichern -- Speicherplatz wählen</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Spielstand laden -- Speicherplatz wählen</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <translation>%1 Credits</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation>%1 geborgt</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Name für diesen Spielstand?</translation>
    </message>
    <message>
        <source>Name of the saved game:</source>
        <translation>Name des Spielstands:</translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message>
        <source>Your Game Statistics</source>
        <translation>Ihre Spielstatistik</translation>
    </message>
    <message>
        <source>Spins:</source>
        <translation>Spiele:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Geborgt:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Einsätze gesamt:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Gewinne:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normal:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Auszahlungsquote:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Hold: keeps this reel still on the next spin, after a spin that paid nothing (keys 1, 2 and 3)</source>
        <translation>Halten: Diese Walze steht beim nächsten Spiel still, nach einem Spiel ohne Gewinn (Tasten 1, 2 und 3)</translation>
    </message>
    <message>
        <source>Bet One: puts in one coin; the third coin spins (key B)</source>
        <translation>Einsatz 1: setzt eine Münze; die dritte Münze startet das Spiel (Taste B)</translation>
    </message>
    <message>
        <source>Bet 3: puts in coins up to three and spins (key M)</source>
        <translation>Einsatz 3: setzt bis zu drei Münzen und startet das Spiel (Taste M)</translation>
    </message>
    <message>
        <source>Spin: spins with the coins put in, or with the last bet again (Enter or Space)</source>
        <translation>Start: dreht mit den gesetzten Münzen oder noch einmal mit dem letzten Einsatz (Eingabe oder Leertaste)</translation>
    </message>
    <message>
        <source>Coin slot: puts in one coin (key B)</source>
        <translation>Münzfeld: setzt eine Münze (Taste B)</translation>
    </message>
    <message>
        <source>Pull the lever to spin (Enter or Space)</source>
        <translation>Ziehen Sie den Hebel, um zu drehen (Eingabe oder Leertaste)</translation>
    </message>
    <message>
        <source>Bonus meter: twelve bonus points open the bonus round</source>
        <translation>Bonusanzeige: Zwölf Bonuspunkte öffnen die Bonusrunde</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>Version:  %1</source>
        <translation>Version:  %1</translation>
    </message>
</context>
<context>
    <name>vexlor::MachineParts</name>
    <message>
        <source>Bet One</source>
        <translation>Einsatz 1</translation>
    </message>
    <message>
        <source>Bet 3</source>
        <translation>Einsatz 3</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Hold left reel</source>
        <translation>Linke Walze halten</translation>
    </message>
    <message>
        <source>Hold middle reel</source>
        <translation>Mittlere Walze halten</translation>
    </message>
    <message>
        <source>Hold right reel</source>
        <translation>Rechte Walze halten</translation>
    </message>
    <message>
        <source>Coin slot</source>
        <translation>Münzfeld</translation>
    </message>
    <message>
        <source>Lever</source>
        <translation>Hebel</translation>
    </message>
    <message>
        <source>Slot machine</source>
        <translation>Spielautomat</translation>
    </message>
    <message>
        <source>Reels</source>
        <translation>Walzen</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Bonus meter</source>
        <translation>Bonusanzeige</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <translation>%1 von %2 Punkten</translation>
    </message>
    <message>
        <source>%1 pays %2.</source>
        <translation>%1 zahlt %2.</translation>
    </message>
    <message>
        <source>Bonus round pays %1.</source>
        <translation>Bonusrunde zahlt %1.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Kein Gewinn.</translation>
    </message>
    <message>
        <source>Credits %1.</source>
        <translation>Credits %1.</translation>
    </message>
</context>
<context>
    <name>vexlor::RoundParts</name>
    <message>
        <source>Bonus round</source>
        <translation>Bonusrunde</translation>
    </message>
    <message>
        <source>Token %1</source>
        <translation>Spielmarke %1</translation>
    </message>
    <message>
        <source>Opens to show one of the five prizes</source>
        <translation>Öffnet sich und zeigt einen der fünf Preise</translation>
    </message>
    <message>
        <source>Prize: 1 credit.</source>
        <translation>Preis: 1 Credit.</translation>
    </message>
    <message>
        <source>Prize: %1 credits.</source>
        <translation>Preis: %1 Credits.</translation>
    </message>
</context>
<context>
    <name>vexlor::SymbolWords</name>
    <message>
        <source>WILD</source>
        <translation>WILD</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>BAR</source>
        <translation>BAR</translation>
    </message>
    <message>
        <source>Clover</source>
        <translation>Kleeblatt</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Weintrauben</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>Middle line</source>
        <translation>Mittlere Linie</translation>
    </message>
    <message>
        <source>Top line</source>
        <translation>Obere Linie</translation>
    </message>
    <message>
        <source>Bottom line</source>
        <translation>Untere Linie</translation>
    </message>
    <message>
        <source>%1 (1 bonus point)</source>
        <translation>%1 (1 Bonuspunkt)</translation>
    </message>
    <message>
        <source>%1 (%2 bonus points)</source>
        <translation>%1 (%2 Bonuspunkte)</translation>
    </message>
    <message>
        <source>%1 (extra hold)</source>
        <translation>%1 (ein Halten mehr)</translation>
    </message>
    <message>
        <source>%1 (empties the bonus meter)</source>
        <translation>%1 (leert die Bonusanzeige)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 (won)</source>
        <translation>%1 (gewonnen)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Three of a kind on a lit payline pays:</source>
        <translation>Drei Gleiche auf einer beleuchteten Gewinnlinie zahlen:</translation>
    </message>
    <message>
        <source>Each coin lights one payline: one coin the middle line, two add the top line, three add the bottom line. WILD stands for any symbol. Several paylines may win at once.</source>
        <translation>Jede Münze beleuchtet eine Gewinnlinie: eine Münze die mittlere Linie, zwei zusätzlich die obere, drei zusätzlich die untere. WILD ersetzt jedes Symbol. Mehrere Gewinnlinien können zugleich gewinnen.</translation>
    </message>
    <message>
        <source>After a spin that pays nothing you may hold up to %1 reels for the next spin.</source>
        <translation>Nach einem Spiel ohne Gewinn dürfen Sie bis zu %1 Walzen für das nächste Spiel halten.</translation>
    </message>
    <message>
        <source>Badges count only on a lit payline: 1, 2 or 3 adds that many bonus points, H adds a hold, X empties the bonus meter.</source>
        <translation>Plaketten zählen nur auf einer beleuchteten Gewinnlinie: 1, 2 oder 3 bringt so viele Bonuspunkte, H bringt ein Halten, X leert die Bonusanzeige.</translation>
    </message>
    <message>
        <source>%1 bonus points open the bonus round: pick one of %2 tokens for %3 to %4 credits.</source>
        <translation>%1 Bonuspunkte öffnen die Bonusrunde: Wählen Sie eine von %2 Spielmarken für %3 bis %4 Credits.</translation>
    </message>
</context>
</TS>
