<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>lyrova::FilmChoice</name>
    <message>
        <source>Choose a video file to play as the background</source>
        <translation>Choose a video file to play as the background</translation>
    </message>
    <message>
        <source>Ostrel karaoke video (rmoving.img)|RMOVING.IMG|Avi files (*.avi)|*.AVI|Mpeg files (*.mpg)|*.MPG|All Files (*.*)|*.*</source>
        <translation>Ostrel karaoke video (rmoving.img)|RMOVING.IMG|Avi files (*.avi)|*.AVI|Mpeg files (*.mpg)|*.MPG|All Files (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>lyrova::TForm2</name>
    <message>
        <source>As the system</source>
        <translation>As the system</translation>
    </message>
    <message>
        <source>This change takes effect after the program is restarted</source>
        <translation>This change takes effect after the program is restarted</translation>
    </message>
    <message>
        <source>The size used will be %1</source>
        <translation>The size used will be %1</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Default port</translation>
    </message>
    <message>
        <source>Give the path to the karaoke disc files (version 3)</source>
        <translation>Give the path to the karaoke disc files (version 3)</translation>
    </message>
    <message>
        <source>Choose the folder of songs (.kar and .mid files)</source>
        <translation>Choose the folder of songs (.kar and .mid files)</translation>
    </message>
    <message>
        <source>Choose a SoundFont file</source>
        <translation>Choose a SoundFont file</translation>
    </message>
    <message>
        <source>SoundFont (*.sf2, *.sf3)|*.SF2;*.SF3|All Files (*.*)|*.*</source>
        <translation>SoundFont (*.sf2, *.sf3)|*.SF2;*.SF3|All Files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source> General </source>
        <translation> General </translation>
    </message>
    <message>
        <source>Path to the Ostrel files:</source>
        <translation>Path to the Ostrel files:</translation>
    </message>
    <message>
        <source>Songs:</source>
        <translation>Songs:</translation>
    </message>
    <message>
        <source>Video file:</source>
        <translation>Video file:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Colour 1</source>
        <translation>Colour 1</translation>
    </message>
    <message>
        <source>Colour 2</source>
        <translation>Colour 2</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>Number of lines:</source>
        <translation>Number of lines:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source> Sound </source>
        <translation> Sound </translation>
    </message>
    <message>
        <source>Path to the *.SF2 file</source>
        <translation>Path to the *.SF2 file</translation>
    </message>
    <message>
        <source>MIDI port:</source>
        <translation>MIDI port:</translation>
    </message>
    <message>
        <source>Lyric offset, ms</source>
        <translation>Lyric offset, ms</translation>
    </message>
    <message>
        <source>Higher - the lyrics come later than the music, lower - earlier</source>
        <translation>Higher - the lyrics come later than the music, lower - earlier</translation>
    </message>
    <message>
        <source>Key and tempo for each song</source>
        <translation>Key and tempo for each song</translation>
    </message>
    <message>
        <source>A song starts with the key and tempo chosen for it last time</source>
        <translation>A song starts with the key and tempo chosen for it last time</translation>
    </message>
    <message>
        <source>Remote from the guests&apos; phones</source>
        <translation>Remote from the guests&apos; phones</translation>
    </message>
    <message>
        <source>Guests search for songs and sign up in the queue from their phones; the address and the host&apos;s PIN are in the main window</source>
        <translation>Guests search for songs and sign up in the queue from their phones; the address and the host&apos;s PIN are in the main window</translation>
    </message>
</context>
<context>
    <name>lyrova::UserText</name>
    <message>
        <source>no such file or folder</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>the disk could not be read or written</translation>
    </message>
    <message>
        <source>Cannot create a file in the folder &quot;%1&quot;: %2.</source>
        <translation>Cannot create a file in the folder &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>Cannot write the file &quot;%1&quot;: %2.</translation>
    </message>
</context>
</TS>
