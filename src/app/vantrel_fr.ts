<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>vantrel::GroupRow</name>
    <message numerus="yes">
        <location filename="group_row.cpp" line="165"/>
        <source>… %n more</source>
        <translation>
            <numerusform>… %n de plus</numerusform>
            <numerusform>… %n de plus</numerusform>
        </translation>
    </message>
    <message>
        <location filename="group_row.cpp" line="187"/>
        <source>Copy the groups not read</source>
        <translation>Copier les groupes non lus</translation>
    </message>
</context>
<context>
    <name>vantrel::TForm1</name>
    <message>
        <location filename="form1.cpp" line="187"/>
        <source>1 group not read:</source>
        <translation>1 groupe non lu&#xa0;:</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="188"/>
        <source>%1 groups not read:</source>
        <translation>%1 groupes non lus&#xa0;:</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="249"/>
        <source>It is not a valid METAR.</source>
        <translation>Ce n&apos;est pas un METAR valide.</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="434"/>
        <source>Vantrel: METAR in plain English.</source>
        <translation>Vantrel&#xa0;: le METAR en clair.</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="435"/>
        <source>Free software for learning and curiosity.</source>
        <translation>Logiciel libre pour apprendre et par curiosité.</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="436"/>
        <source>!!!NOT SUITED TO REAL AVIATION!!!</source>
        <translation>!!!&#xa0;INADAPTÉ À L&apos;AVIATION RÉELLE&#xa0;!!!</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="437"/>
        <source>Translate!</source>
        <translation>Traduire&#xa0;!</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="438"/>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="440"/>
        <source>The groups of the report, as typed. The arrow keys go from group to group and show the sentence each gave; the name lists the groups the translation leaves out.</source>
        <translation>Les groupes du message, tels que saisis. Les flèches passent d&apos;un groupe à l&apos;autre et montrent la phrase de chacun&#xa0;; le nom donne la liste des groupes que la traduction laisse de côté.</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="442"/>
        <source>Read every group</source>
        <translation>Lire tous les groupes</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="444"/>
        <source>Reads every group wherever it stands, with the remarks, instead of the groups in their usual order only.</source>
        <translation>Lit chaque groupe où qu&apos;il se trouve, avec les remarques, au lieu des seuls groupes à leur place habituelle.</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="447"/>
        <source>Read every group wherever it stands, with the supplementary groups and the remarks, instead of the groups in their usual order only. The choice is kept for the next time.</source>
        <translation>Lire chaque groupe où qu&apos;il se trouve, avec les groupes supplémentaires et les remarques, au lieu des seuls groupes à leur place habituelle. Le choix est gardé pour la prochaine fois.</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="450"/>
        <source>Read them all</source>
        <translation>Tout lire</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="452"/>
        <source>The groups in red were not read in their usual order: read every group wherever it stands.</source>
        <translation>Les groupes en rouge n&apos;ont pas été lus à leur place habituelle&#xa0;: lire chaque groupe où qu&apos;il se trouve.</translation>
    </message>
    <message>
        <location filename="form1.cpp" line="540"/>
        <source>Not translated.</source>
        <translation>Non traduit.</translation>
    </message>
</context>
</TS>
