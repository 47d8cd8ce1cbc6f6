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
    <name>lyrova::TExportJob</name>
    <message>
        <source>Saved: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>Could not save &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>lyrova::TForm1</name>
    <message>
        <source>Invalid or unknown version rmidi.img</source>
        <translation>Invalid or unknown version rmidi.img</translation>
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
    <name>lyrova::TLinkActions</name>
    <message>
        <source>Lyrova %1 Error report</source>
        <translation>Lyrova %1 Error report</translation>
    </message>
    <message>
        <source>Could not open the file %1: this computer has no program for files of this type.</source>
        <translation>Could not open the file %1: this computer has no program for files of this type.</translation>
    </message>
    <message>
        <source>The file %1 is missing</source>
        <translation>The file %1 is missing</translation>
    </message>
    <message>
        <source>Could not open the home page: no browser starts on this computer.
The page&apos;s address: %1</source>
        <translation>Could not open the home page: no browser starts on this computer.
The page&apos;s address: %1</translation>
    </message>
    <message>
        <source>Could not open the mail program.
Please write to %1 with the subject: %2.</source>
        <translation>Could not open the mail program.
Please write to %1 with the subject: %2.</translation>
    </message>
</context>
<context>
    <name>lyrova::TLinkStrip</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>Report an error</source>
        <translation>Report an error</translation>
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
    <message>
        <source>Error in the playlist &quot;%1&quot;: &quot;%2&quot; is not a song code.</source>
        <translation>Error in the playlist &quot;%1&quot;: &quot;%2&quot; is not a song code.</translation>
    </message>
    <message>
        <source>Error in the playlist &quot;%1&quot;: there is no song with the code %2 in the catalogue.</source>
        <translation>Error in the playlist &quot;%1&quot;: there is no song with the code %2 in the catalogue.</translation>
    </message>
    <message>
        <source>Error in the playlist &quot;%1&quot;: the song library has no file %2. The playlist&apos;s other songs are loaded.</source>
        <translation>Error in the playlist &quot;%1&quot;: the song library has no file %2. The playlist&apos;s other songs are loaded.</translation>
    </message>
    <message>
        <source>Error in the playlist &quot;%1&quot;: the song library has no files %2. The playlist&apos;s other songs are loaded.</source>
        <translation>Error in the playlist &quot;%1&quot;: the song library has no files %2. The playlist&apos;s other songs are loaded.</translation>
    </message>
    <message>
        <source>Cannot read the song file &quot;%1&quot;: %2</source>
        <translation>Cannot read the song file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The song file &quot;%1&quot; can no longer be read: %2.</source>
        <translation>The song file &quot;%1&quot; can no longer be read: %2.</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>List index out of bounds (%1)</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Read beyond end of file</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>I/O error %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Cannot create file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>rmidi.img not found at the given path</source>
        <translation>rmidi.img not found at the given path</translation>
    </message>
    <message>
        <source>The folder %1 has no file rmidi_of.img: the catalogue of this disc is not built, the song list is empty.</source>
        <translation>The folder %1 has no file rmidi_of.img: the catalogue of this disc is not built, the song list is empty.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>the file is too large for a song</source>
        <translation>the file is too large for a song</translation>
    </message>
    <message>
        <source>the text does not fit on one line of the file</source>
        <translation>the text does not fit on one line of the file</translation>
    </message>
    <message>
        <source>Could not write the file &quot;%1&quot;: %2.</source>
        <translation>Could not write the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not read the file &quot;%1&quot;: %2.</source>
        <translation>Could not read the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The MIDI data of this song are damaged: there is no file header.</source>
        <translation>The MIDI data of this song are damaged: there is no file header.</translation>
    </message>
    <message>
        <source>The MIDI data of this song are damaged: the time division is wrong.</source>
        <translation>The MIDI data of this song are damaged: the time division is wrong.</translation>
    </message>
    <message>
        <source>The song does not end: its MIDI data are damaged.</source>
        <translation>The song does not end: its MIDI data are damaged.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Could not create the settings of the FluidSynth synthesizer.</source>
        <translation>Could not create the settings of the FluidSynth synthesizer.</translation>
    </message>
    <message>
        <source>The FluidSynth library does not take the player&apos;s settings.</source>
        <translation>The FluidSynth library does not take the player&apos;s settings.</translation>
    </message>
    <message>
        <source>Could not create the FluidSynth software synthesizer.</source>
        <translation>Could not create the FluidSynth software synthesizer.</translation>
    </message>
    <message>
        <source>No General MIDI sound bank (a SoundFont .sf2 file) was found: without one there is nothing to play the music with. Install, for example, the package timgm6mb-soundfont or fluid-soundfont-gm.</source>
        <translation>No General MIDI sound bank (a SoundFont .sf2 file) was found: without one there is nothing to play the music with. Install, for example, the package timgm6mb-soundfont or fluid-soundfont-gm.</translation>
    </message>
    <message>
        <source>Could not load the sound bank (SoundFont) &quot;%1&quot;: without it there is nothing to play the music with.</source>
        <translation>Could not load the sound bank (SoundFont) &quot;%1&quot;: without it there is nothing to play the music with.</translation>
    </message>
    <message>
        <source>The previous song did not stop: the sound output does not answer.</source>
        <translation>The previous song did not stop: the sound output does not answer.</translation>
    </message>
    <message>
        <source>There is no song with the code %1 in the catalogue.</source>
        <translation>There is no song with the code %1 in the catalogue.</translation>
    </message>
    <message>
        <source>Could not start the song: the synthesizer did not take it.</source>
        <translation>Could not start the song: the synthesizer did not take it.</translation>
    </message>
    <message>
        <source>Could not stop the song: the synthesizer did not take the command.</source>
        <translation>Could not stop the song: the synthesizer did not take the command.</translation>
    </message>
    <message>
        <source>Could not change the melody: the synthesizer did not take the command.</source>
        <translation>Could not change the melody: the synthesizer did not take the command.</translation>
    </message>
    <message>
        <source>Could not change the key: the synthesizer did not take the command.</source>
        <translation>Could not change the key: the synthesizer did not take the command.</translation>
    </message>
    <message>
        <source>Cannot play the video file
%1
(%2).</source>
        <translation>Cannot play the video file
%1
(%2).</translation>
    </message>
    <message>
        <source>no video file is chosen</source>
        <translation>no video file is chosen</translation>
    </message>
    <message>
        <source>the file is not found</source>
        <translation>the file is not found</translation>
    </message>
    <message>
        <source>the file does not open as a video</source>
        <translation>the file does not open as a video</translation>
    </message>
    <message>
        <source>the video in the file cannot be read</source>
        <translation>the video in the file cannot be read</translation>
    </message>
    <message>
        <source>the file holds no video</source>
        <translation>the file holds no video</translation>
    </message>
    <message>
        <source>there is not enough memory for the video</source>
        <translation>there is not enough memory for the video</translation>
    </message>
    <message>
        <source>the video of this file cannot be decoded</source>
        <translation>the video of this file cannot be decoded</translation>
    </message>
    <message>
        <source>the file holds no frames that can be shown</source>
        <translation>the file holds no frames that can be shown</translation>
    </message>
    <message>
        <source>a frame of the video cannot be shown</source>
        <translation>a frame of the video cannot be shown</translation>
    </message>
    <message>
        <source>The song &quot;%1&quot; does not play: %2</source>
        <translation>The song &quot;%1&quot; does not play: %2</translation>
    </message>
    <message>
        <source>The song&apos;s picture does not open: %1</source>
        <translation>The song&apos;s picture does not open: %1</translation>
    </message>
</context>
</TS>
