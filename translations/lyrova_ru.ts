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
</context>
</TS>
