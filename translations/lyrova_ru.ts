<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>lyrova::FilmChoice</name>
    <message>
        <source>Choose a video file to play as the background</source>
        <translation>Выберите видеофайл для проигрывания в качестве фона</translation>
    </message>
    <message>
        <source>Ostrel karaoke video (rmoving.img)|RMOVING.IMG|Avi files (*.avi)|*.AVI|Mpeg files (*.mpg)|*.MPG|All Files (*.*)|*.*</source>
        <translation>Ostrel караоке видео (rmoving.img)|RMOVING.IMG|Avi files (*.avi)|*.AVI|Mpeg files (*.mpg)|*.MPG|Все Файлы (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>lyrova::TExportJob</name>
    <message>
        <source>Saved: %1</source>
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>Не удалось сохранить «%1»: %2</translation>
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
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>This change takes effect after the program is restarted</source>
        <translation>Это изменеие вступит в силу после перезапуска программы</translation>
    </message>
    <message>
        <source>The size used will be %1</source>
        <translation>Будет использован размер %1</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Default port</translation>
    </message>
    <message>
        <source>Give the path to the karaoke disc files (version 3)</source>
        <translation>Укажите путь к файлам с диска Караоке (версия 3)</translation>
    </message>
    <message>
        <source>Choose the folder of songs (.kar and .mid files)</source>
        <translation>Укажите папку с песнями (файлы .kar и .mid)</translation>
    </message>
    <message>
        <source>Choose a SoundFont file</source>
        <translation>Выберите файл SoundFont</translation>
    </message>
    <message>
        <source>SoundFont (*.sf2, *.sf3)|*.SF2;*.SF3|All Files (*.*)|*.*</source>
        <translation>SoundFont (*.sf2, *.sf3)|*.SF2;*.SF3|Все Файлы (*.*)|*.*</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Общие </translation>
    </message>
    <message>
        <source>Path to the Ostrel files:</source>
        <translation>Путь к файлам Ostrel:</translation>
    </message>
    <message>
        <source>Songs:</source>
        <translation>Песни:</translation>
    </message>
    <message>
        <source>Video file:</source>
        <translation>Файл видео:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Colour 1</source>
        <translation>Цвет 1</translation>
    </message>
    <message>
        <source>Colour 2</source>
        <translation>Цвет 2</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Тень</translation>
    </message>
    <message>
        <source>Number of lines:</source>
        <translation>Количество строк:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source> Sound </source>
        <translation> Sound </translation>
    </message>
    <message>
        <source>Path to the *.SF2 file</source>
        <translation>Путь к файлу *.SF2</translation>
    </message>
    <message>
        <source>MIDI port:</source>
        <translation>Порт MIDI:</translation>
    </message>
    <message>
        <source>Lyric offset, ms</source>
        <translation>Сдвиг текста, мс</translation>
    </message>
    <message>
        <source>Higher - the lyrics come later than the music, lower - earlier</source>
        <translation>Больше - текст позже музыки, меньше - раньше</translation>
    </message>
    <message>
        <source>Key and tempo for each song</source>
        <translation>Тон и темп для каждой песни</translation>
    </message>
    <message>
        <source>A song starts with the key and tempo chosen for it last time</source>
        <translation>Песня начинается с тоном и темпом, выбранными для неё в прошлый раз</translation>
    </message>
    <message>
        <source>Remote from the guests&apos; phones</source>
        <translation>Пульт с телефонов гостей</translation>
    </message>
    <message>
        <source>Guests search for songs and sign up in the queue from their phones; the address and the host&apos;s PIN are in the main window</source>
        <translation>Гости ищут песни и записываются в очередь со своих телефонов; адрес и PIN ведущего - в главном окне</translation>
    </message>
</context>
<context>
    <name>lyrova::TLinkActions</name>
    <message>
        <source>Lyrova %1 Error report</source>
        <translation>Lyrova %1 Сообщение об ошибке</translation>
    </message>
    <message>
        <source>Could not open the file %1: this computer has no program for files of this type.</source>
        <translation>Не удалось открыть файл %1: на этом компьютере нет программы для файлов этого типа.</translation>
    </message>
    <message>
        <source>The file %1 is missing</source>
        <translation>Отсутствует файл %1</translation>
    </message>
    <message>
        <source>Could not open the home page: no browser starts on this computer.
The page&apos;s address: %1</source>
        <translation>Не удалось открыть домашнюю страницу: на этом компьютере не запускается браузер.
Адрес страницы: %1</translation>
    </message>
    <message>
        <source>Could not open the mail program.
Please write to %1 with the subject: %2.</source>
        <translation>Не удалось открыть почтовую программу.
Напишите, пожалуйста, по адресу %1, тема письма: %2.</translation>
    </message>
</context>
<context>
    <name>lyrova::TLinkStrip</name>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>Report an error</source>
        <translation>Сообщить об ошибке</translation>
    </message>
</context>
<context>
    <name>lyrova::UserText</name>
    <message>
        <source>no such file or folder</source>
        <translation>нет такого файла или папки</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>нет доступа</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>файл слишком велик</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>диск только для чтения</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>часть пути не является папкой</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>слишком длинное имя</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>ошибка чтения или записи диска</translation>
    </message>
    <message>
        <source>Cannot create a file in the folder &quot;%1&quot;: %2.</source>
        <translation>Не удаётся создать файл в папке «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>Не удаётся записать файл «%1»: %2.</translation>
    </message>
    <message>
        <source>Error in the playlist &quot;%1&quot;: &quot;%2&quot; is not a song code.</source>
        <translation>Ошибка в плейлисте &quot;%1&quot;: &quot;%2&quot; не является кодом песни.</translation>
    </message>
    <message>
        <source>Error in the playlist &quot;%1&quot;: there is no song with the code %2 in the catalogue.</source>
        <translation>Ошибка в плейлисте &quot;%1&quot;: песни с кодом %2 нет в каталоге.</translation>
    </message>
    <message>
        <source>Error in the playlist &quot;%1&quot;: the song library has no file %2. The playlist&apos;s other songs are loaded.</source>
        <translation>Ошибка в плейлисте &quot;%1&quot;: в библиотеке песен нет файла %2. Остальные песни плейлиста загружены.</translation>
    </message>
    <message>
        <source>Error in the playlist &quot;%1&quot;: the song library has no files %2. The playlist&apos;s other songs are loaded.</source>
        <translation>Ошибка в плейлисте &quot;%1&quot;: в библиотеке песен нет файлов %2. Остальные песни плейлиста загружены.</translation>
    </message>
    <message>
        <source>Cannot read the song file &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать файл песни &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The song file &quot;%1&quot; can no longer be read: %2.</source>
        <translation>Файл песни &quot;%1&quot; больше не читается: %2.</translation>
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
        <translation>rmidi.img не найден по указанному пути</translation>
    </message>
    <message>
        <source>The folder %1 has no file rmidi_of.img: the catalogue of this disc is not built, the song list is empty.</source>
        <translation>В папке %1 нет файла rmidi_of.img: каталог этого диска не построен, список песен пуст.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>the file is too large for a song</source>
        <translation>файл слишком велик для песни</translation>
    </message>
    <message>
        <source>the text does not fit on one line of the file</source>
        <translation>текст не умещается в одной строке файла</translation>
    </message>
    <message>
        <source>Could not write the file &quot;%1&quot;: %2.</source>
        <translation>Не удалось записать файл &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not read the file &quot;%1&quot;: %2.</source>
        <translation>Не удалось прочитать файл &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The MIDI data of this song are damaged: there is no file header.</source>
        <translation>Данные MIDI этой песни повреждены: нет заголовка файла.</translation>
    </message>
    <message>
        <source>The MIDI data of this song are damaged: the time division is wrong.</source>
        <translation>Данные MIDI этой песни повреждены: неверное разрешение времени.</translation>
    </message>
    <message>
        <source>The song does not end: its MIDI data are damaged.</source>
        <translation>Песня не заканчивается: данные MIDI повреждены.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Could not create the settings of the FluidSynth synthesizer.</source>
        <translation>Не удалось создать настройки синтезатора FluidSynth.</translation>
    </message>
    <message>
        <source>The FluidSynth library does not take the player&apos;s settings.</source>
        <translation>Библиотека FluidSynth не принимает настройки проигрывателя.</translation>
    </message>
    <message>
        <source>Could not create the FluidSynth software synthesizer.</source>
        <translation>Не удалось создать программный синтезатор FluidSynth.</translation>
    </message>
    <message>
        <source>No General MIDI sound bank (a SoundFont .sf2 file) was found: without one there is nothing to play the music with. Install, for example, the package timgm6mb-soundfont or fluid-soundfont-gm.</source>
        <translation>Не найден звуковой банк General MIDI (файл SoundFont .sf2): без него музыку играть нечем. Установите, например, пакет timgm6mb-soundfont или fluid-soundfont-gm.</translation>
    </message>
    <message>
        <source>Could not load the sound bank (SoundFont) &quot;%1&quot;: without it there is nothing to play the music with.</source>
        <translation>Не удалось загрузить звуковой банк (SoundFont) «%1»: без него музыку играть нечем.</translation>
    </message>
    <message>
        <source>The previous song did not stop: the sound output does not answer.</source>
        <translation>Предыдущая песня не остановилась: звуковой вывод не отвечает.</translation>
    </message>
    <message>
        <source>There is no song with the code %1 in the catalogue.</source>
        <translation>Песни с кодом %1 нет в каталоге.</translation>
    </message>
    <message>
        <source>Could not start the song: the synthesizer did not take it.</source>
        <translation>Не удалось запустить песню: синтезатор не принял её.</translation>
    </message>
    <message>
        <source>Could not stop the song: the synthesizer did not take the command.</source>
        <translation>Не удалось остановить песню: синтезатор не принял команду.</translation>
    </message>
    <message>
        <source>Could not change the melody: the synthesizer did not take the command.</source>
        <translation>Не удалось изменить мелодию: синтезатор не принял команду.</translation>
    </message>
    <message>
        <source>Could not change the key: the synthesizer did not take the command.</source>
        <translation>Не удалось изменить тональность: синтезатор не принял команду.</translation>
    </message>
    <message>
        <source>Cannot play the video file
%1
(%2).</source>
        <translation>Не удаётся воспроизвести видеофайл
%1
(%2).</translation>
    </message>
    <message>
        <source>no video file is chosen</source>
        <translation>видеофайл не выбран</translation>
    </message>
    <message>
        <source>the file is not found</source>
        <translation>файл не найден</translation>
    </message>
    <message>
        <source>the file does not open as a video</source>
        <translation>файл не открывается как видео</translation>
    </message>
    <message>
        <source>the video in the file cannot be read</source>
        <translation>видео в файле не читается</translation>
    </message>
    <message>
        <source>the file holds no video</source>
        <translation>в файле нет видео</translation>
    </message>
    <message>
        <source>there is not enough memory for the video</source>
        <translation>не хватает памяти для видео</translation>
    </message>
    <message>
        <source>the video of this file cannot be decoded</source>
        <translation>видео этого файла не декодируется</translation>
    </message>
    <message>
        <source>the file holds no frames that can be shown</source>
        <translation>в файле нет кадров, которые можно показать</translation>
    </message>
    <message>
        <source>a frame of the video cannot be shown</source>
        <translation>кадр видео не удаётся показать</translation>
    </message>
    <message>
        <source>The song &quot;%1&quot; does not play: %2</source>
        <translation>Песня «%1» не играется: %2</translation>
    </message>
    <message>
        <source>The song&apos;s picture does not open: %1</source>
        <translation>Картинка песни не открывается: %1</translation>
    </message>
</context>
</TS>
