from typing import Iterable, Iterator, Literal, NotRequired, TypedDict, Union


__version__: str
NOT_VALID_METAR: str

Value = dict[str, Union[str, int, float, bool, None]]

class Piece(TypedDict):
    groups: str
    at: int  # the byte of the UTF-8 report where its first group begins
    line: int | None
    text: str | None
    value: NotRequired[Value | None]  # the full reading only

class Translation(tuple[tuple[str, ...], tuple[str, ...], bool, str | None, list[Piece] | None]):
    @property
    def lines(self) -> tuple[str, ...]: ...
    @property
    def unread(self) -> tuple[str, ...]: ...
    @property
    def refused(self) -> bool: ...
    @property
    def message(self) -> str | None: ...
    @property
    def pieces(self) -> list[Piece] | None: ...

Reading = Literal["classic", "full"]

def translate(
    report: str, reading: Reading = "classic", lang: Literal["en", "fr"] = "en", explain: bool = False
) -> Translation: ...
def translate_many(
    reports: Iterable[str],
    reading: Reading = "classic",
    lang: Literal["en", "fr"] = "en",
    explain: bool = False,
    jobs: int | None = None,
) -> list[Translation]: ...
def translate_iter(
    reports: Iterable[str],
    reading: Reading = "classic",
    lang: Literal["en", "fr"] = "en",
    explain: bool = False,
    jobs: int | None = None,
    chunk: int = 8192,
) -> Iterator[Translation]: ...
