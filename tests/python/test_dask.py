# The recipe of docs/scale.md on a local cluster of two workers: the corpus split into 8 files,
# read as a dask.bag, translated a partition at a time, gives the command line's records.
import json

import pytest

import vantrel
from conftest import as_record, cli_records

db = pytest.importorskip("dask.bag", reason="python3-dask is not installed (scripts/setup)")
distributed = pytest.importorskip("distributed", reason="python3-distributed is not installed")


def translate_partition(lines, reading):
    reports = [line.rstrip("\r\n") for line in lines]
    translations = vantrel.translate_many(reports, reading=reading, jobs=1)
    return [json.dumps(as_record(r, t), ensure_ascii=False) for r, t in zip(reports, translations)]


@pytest.fixture(scope="module")
def client():
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster, distributed.Client(cluster) as c:
        yield c


@pytest.mark.parametrize("reading", ["classic", "full"])
def test_archive_folder_on_two_workers(client, corpus, tmp_path, reading):
    reports = corpus.read_text(encoding="utf-8").splitlines(keepends=True)
    size = -(-len(reports) // 8)
    for i in range(8):
        (tmp_path / f"part-{i}.txt").write_text("".join(reports[i * size:(i + 1) * size]), encoding="utf-8")
    bag = db.read_text(str(tmp_path / "part-*.txt"))
    got = bag.map_partitions(translate_partition, reading).compute()
    options = ["--full"] if reading == "full" else []
    assert [json.loads(line) for line in got] == cli_records(corpus, *options)
